#include "creators/pickups/pickup_layout.h"

#include <string>
#include <vector>

namespace creators {

namespace {

using forms::kBoxHeight, forms::kLabelDrop, forms::kLabelHeight, forms::kMargin, forms::kSpacing;

// Geometry in twips, the same in every game.
constexpr int kColumnGap = 150;    // between the list and what stands beside it
constexpr int kBetweenRows = 150;  // from the code-name row to the ammo row
constexpr int kFrameHeight = 930;  // caption, a row of boxes and their labels
constexpr int kCoordinatesInset = 150;
constexpr int kWeaponCaptionWidth = 1395;  // "Amount Of Ammo" in full
constexpr int kItemCaptionWidth = 1095;    // "Code Name" in full

int bottomRowTop(const CreatorDesc& d) {
    return d.height - kMargin - d.bottomRow.height;
}

// A frame taller than it needs keeps its rows centred.
void addCentredCoordinates(forms::WindowLayout& w, const CreatorDesc& d, forms::Rect rect) {
    addCoordinates(w, d, rect, kCoordinatesInset, (rect.height - kFrameHeight) / 2);
}

// A caption on the left and its box from there to the window's right margin.
struct Row {
    forms::ControlDecl label;
    forms::ControlDecl box;
};

Row row(const CreatorDesc& d, const char* label, const char* caption, const std::string& box,
        int left, int captionWidth, int top) {
    const int boxLeft = left + captionWidth + forms::kLabelToBox;
    return {forms::label(label, caption, {left, top + kLabelDrop, captionWidth, kLabelHeight}),
            forms::textBox(box, {boxLeft, top, d.width - kMargin - boxLeft, kBoxHeight})};
}

void addRows(forms::WindowLayout& w, LabelOrder order, const std::vector<Row>& rows) {
    auto& to = w.controls;
    for (const Row& r : rows) {
        if (order == LabelOrder::AfterEachBox) {
            to.push_back(r.box);
        }
        to.push_back(r.label);
        if (order == LabelOrder::BeforeEachBox) {
            to.push_back(r.box);
        }
    }
    if (order == LabelOrder::BeforeAllBoxes) {
        for (const Row& r : rows) {
            to.push_back(r.box);
        }
    }
}

void addGenerate(forms::WindowLayout& w, const CreatorDesc& d, int left, int top) {
    const int height = d.generateHeight != 0 ? d.generateHeight : bottomRowTop(d) - kSpacing - top;
    w.controls.push_back(forms::button(d.generate, "Generate My Code",
                                       {left, top, d.width - kMargin - left, height}));
}

}  // namespace

forms::WindowLayout weaponCreator(const CreatorDesc& d) {
    const int right = kMargin + d.listWidth + kColumnGap;  // left edge of the right column
    const int nameTop = kMargin + kFrameHeight + d.rowGap;
    const int ammoTop = nameTop + kBoxHeight + kBetweenRows;
    const int generateTop = ammoTop + kBoxHeight + d.rowGap;

    forms::WindowLayout w = emptyWindow(d);
    w.controls.push_back(forms::listBox(
        d.list, {}, {kMargin, kMargin, d.listWidth, bottomRowTop(d) - kSpacing - kMargin}));
    addCentredCoordinates(w, d, {right, kMargin, d.width - kMargin - right, kFrameHeight});
    addRows(
        w, d.labels,
        {row(d, "lblcodename", "Code Name", d.boxes.codeName, right, kWeaponCaptionWidth, nameTop),
         row(d, "lblammo", "Amount Of Ammo", d.boxes.ammo, right, kWeaponCaptionWidth, ammoTop)});
    addGenerate(w, d, right, generateTop);
    addBottomRow(w, d.bottomRow);
    return w;
}

forms::WindowLayout itemCreator(const CreatorDesc& d) {
    const int frameLeft = kMargin + d.listWidth + kColumnGap;
    const int nameTop = kMargin + d.listHeight + d.rowGap;
    const int generateTop = nameTop + kBoxHeight + d.rowGap;

    forms::WindowLayout w = emptyWindow(d);
    w.controls.push_back(forms::listBox(d.list, {}, {kMargin, kMargin, d.listWidth, d.listHeight}));
    addCentredCoordinates(w, d, {frameLeft, kMargin, d.width - kMargin - frameLeft, d.listHeight});
    addRows(w, d.labels,
            {row(d, "lblcodename", "Code Name", d.boxes.codeName, kMargin, kItemCaptionWidth,
                 nameTop)});
    addGenerate(w, d, kMargin, generateTop);
    addBottomRow(w, d.bottomRow);
    return w;
}

}  // namespace creators
