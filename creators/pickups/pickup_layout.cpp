#include "creators/pickups/pickup_layout.h"

#include <utility>

namespace creators::pickups {

namespace {

// Geometry in twips, the same in every game.
constexpr int kMargin = 120;
constexpr int kGap = 120;        // above the row of buttons along the bottom
constexpr int kColumnGap = 150;  // between the list and what stands beside it
constexpr int kBoxHeight = 300;  // a single-line text box
constexpr int kLabelHeight = 225;
constexpr int kLabelDrop = 45;     // lines a label's text up with the text of its box
constexpr int kCaptionGap = 60;    // from a label to its box
constexpr int kBetweenRows = 150;  // from the code-name row to the ammo row
constexpr int kFrameHeight = 930;  // caption, a row of boxes and their labels
constexpr int kCoordinatesInset = 150;
constexpr int kWeaponCaptionWidth = 1395;  // "Amount Of Ammo" in full
constexpr int kItemCaptionWidth = 1095;    // "Code Name" in full

forms::WindowLayout emptyWindow(const CreatorDesc& d) {
    forms::WindowLayout w;
    w.name = d.window;
    w.caption = d.caption;
    w.width = d.width;
    w.height = d.height;
    return w;
}

int bottomRowTop(const CreatorDesc& d) {
    return d.height - kMargin - d.bottomRow.height;
}

// A frame taller than it needs keeps its rows centred.
CoordinatesFrame coordinates(const CreatorDesc& d, forms::Rect rect) {
    return {.frame = d.frame,
            .rect = rect,
            .x = d.boxes.x,
            .y = d.boxes.y,
            .z = d.boxes.z,
            .inset = kCoordinatesInset,
            .boxHeight = kBoxHeight,
            .shift = (rect.height - kFrameHeight) / 2};
}

// A caption on the left and its box from there to the window's right margin.
struct Row {
    forms::ControlDecl label;
    forms::ControlDecl box;
};

Row row(const CreatorDesc& d, const char* label, const char* caption, const std::string& box,
        int left, int captionWidth, int top) {
    const int boxLeft = left + captionWidth + kCaptionGap;
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
    const int height = d.generateHeight != 0 ? d.generateHeight : bottomRowTop(d) - kGap - top;
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
        d.list, {}, {kMargin, kMargin, d.listWidth, bottomRowTop(d) - kGap - kMargin}));
    addCoordinates(w, coordinates(d, {right, kMargin, d.width - kMargin - right, kFrameHeight}));
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
    addCoordinates(
        w, coordinates(d, {frameLeft, kMargin, d.width - kMargin - frameLeft, d.listHeight}));
    addRows(w, d.labels,
            {row(d, "lblcodename", "Code Name", d.boxes.codeName, kMargin, kItemCaptionWidth,
                 nameTop)});
    addGenerate(w, d, kMargin, generateTop);
    addBottomRow(w, d.bottomRow);
    return w;
}

Group pickupGroup(std::string picker, const CreatorDesc& desc, forms::WindowLayout creator,
                  std::vector<Entry> entries, const ResultWindow& result) {
    Group g;
    g.picker = std::move(picker);
    g.creator = std::move(creator);
    g.list = desc.list;
    g.generate = desc.generate;
    g.creatorBackToPicker = desc.bottomRow.backToPicker;
    g.creatorBackToMain = desc.bottomRow.backToMain;
    g.entries = std::move(entries);
    setResultWindow(g, result);
    return g;
}

}  // namespace creators::pickups
