// The two window designs the weapon and item creators of all three games are built from. A
// game gives its names, its window's client size and the few sizes it chooses for itself;
// everything else is placed alike in every game.
#pragma once

#include <string>
#include <vector>

#include "creators/creator.h"
#include "creators/creator_layout.h"
#include "creators/pickups/pickup_lines.h"
#include "forms/layout.h"

namespace creators::pickups {

// Where "lblcodename" and "lblammo" are declared beside their boxes. Labels take no focus, so
// the tab order is the same either way; each window keeps the order it has always had.
enum class LabelOrder {
    BeforeEachBox,   // label, box, label, box
    AfterEachBox,    // box, label, box, label
    BeforeAllBoxes,  // label, label, box, box
};

struct CreatorDesc {
    std::string window;
    std::string caption;
    int width = 0;  // client area, twips
    int height = 0;
    std::string list;
    std::string frame = "framecoord";
    PickupBoxes boxes;  // the item creator has no ammo box and ignores `boxes.ammo`
    std::string generate = "cmdgencode";
    BottomRow bottomRow;
    LabelOrder labels = LabelOrder::BeforeEachBox;

    // What the games size differently, in twips.
    int listWidth = 0;
    int listHeight = 0;      // item creator only: the list and the frame beside it
    int rowGap = 0;          // above and below the rows of labelled boxes
    int generateHeight = 0;  // 0: down to the row of buttons along the bottom
};

// The list down the left; to its right the "Coordinates" frame, the code-name and ammo rows
// and "Generate My Code"; the row of buttons along the bottom.
forms::WindowLayout weaponCreator(const CreatorDesc& desc);

// The list and the "Coordinates" frame side by side across the top; below them the code-name
// row, "Generate My Code" across the whole width and the row of buttons along the bottom.
forms::WindowLayout itemCreator(const CreatorDesc& desc);

// A group with the creator `desc` describes, laid out by one of the two above; the group's
// list, Generate and back buttons are the ones `desc` names.
Group pickupGroup(std::string picker, const CreatorDesc& desc, forms::WindowLayout creator,
                  std::vector<Entry> entries, const ResultWindow& result);

}  // namespace creators::pickups
