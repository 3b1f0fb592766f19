// What a creator window names and sizes, in one shape for all nine groups, and the layout pieces
// every creator is built from: the "Coordinates" frame and the row of buttons along the bottom.
// The designs that place them are in creators/pickups/pickup_layout.h and
// creators/vehicles/vehicle_layout.h.
#pragma once

#include <string>

#include "forms/layout.h"

namespace creators {

// The boxes a creator's lines read. The defaults are the names most games give them.
struct Boxes {
    std::string codeName = "txtcodename";
    std::string ammo = "txtammo";  // weapon creators; an item creator has none and never reads it
    std::string doorLock = "txtdoorlock";  // vehicle creators
    std::string x = "txtx";
    std::string y = "txty";
    std::string z = "txtz";
};

// The bottom row, left to right: back to the code picker, back to the main window, Exit.
struct BottomRow {
    std::string backToPicker;
    std::string pickerCaption;
    std::string backToMain = "cmdbacktogtapick";
    int height = 0;
    // The buttons share the width in these proportions; Exit takes what rounding leaves over.
    int pickerShare = 1;
    int mainShare = 1;
    int exitShare = 1;
};

// Where a weapon or item creator declares "lblcodename" and "lblammo" beside their boxes.
// Labels take no focus, so the tab order is the same either way; each window keeps the order
// it has always had.
enum class LabelOrder {
    BeforeEachBox,   // label, box, label, box
    AfterEachBox,    // box, label, box, label
    BeforeAllBoxes,  // label, label, box, box
};

struct CreatorDesc {
    std::string window = {};
    std::string caption = {};
    int width = 0;  // client area, twips
    int height = 0;
    std::string list = {};
    std::string frame = "framecoord";
    Boxes boxes = {};
    std::string generate = "cmdgencode";
    BottomRow bottomRow = {};

    // Weapon and item creators: the order of their labels and what the games size differently.
    LabelOrder labels = LabelOrder::BeforeEachBox;
    int listWidth = 0;
    int listHeight = 0;      // item creator only: the list and the frame beside it
    int rowGap = 0;          // above and below the rows of labelled boxes
    int generateHeight = 0;  // 0: down to the row of buttons along the bottom

    // Vehicle creators: the labels of the alarm and door-lock boxes.
    std::string alarmLabel = {};
    std::string doorLockLabel = {};
};

// The window `desc` names, at its size, with no controls yet.
forms::WindowLayout emptyWindow(const CreatorDesc& desc);

// The frame `desc` names at `rect`, holding its X, Y and Z boxes in a row (at most 7
// characters each) with the labels "X", "Y" and "Z" centred below them. `inset` is the space
// from the frame's sides to the outer boxes and between the boxes; `shift` moves both rows
// down from just below the frame's caption. The frame comes first so that its children can be
// placed in it.
void addCoordinates(forms::WindowLayout& window, const CreatorDesc& desc, forms::Rect rect,
                    int inset, int shift = 0);

// Placed from the window's width and height, which must be set first.
void addBottomRow(forms::WindowLayout& window, const BottomRow& row);

}  // namespace creators
