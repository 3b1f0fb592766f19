#include "creators/vehicles/vehicle_layout.h"

#include <algorithm>
#include <utility>

#include "creators/creator_layout.h"

namespace creators {

namespace {

using forms::kBoxHeight, forms::kLabelDrop, forms::kLabelHeight, forms::kLabelToBox, forms::kMargin,
    forms::kSpacing;

// Geometry in twips. A label line takes about 195-225, so a label that may wrap gets room for
// two lines.
constexpr int kTwoLineLabelHeight = 435;
constexpr int kBottomButtonHeight = 495;  // room for a caption wrapped onto two lines
constexpr int kListWidth = 2055;          // the longest captions, 19 characters, in full
constexpr int kFrameHeight = 960;
constexpr int kShortBoxWidth = 555;  // three characters with room to spare
constexpr int kCodeNameLabelWidth = 1035;
constexpr int kGenerateMinHeight = 465;

}  // namespace

forms::WindowLayout vehicleCreator(const CreatorDesc& desc) {
    const int right = kMargin + kListWidth + kSpacing;  // left edge of the right column
    const int rightWidth = desc.width - kMargin - right;
    const int rightEdge = desc.width - kMargin;
    const int bottomTop = desc.height - kMargin - kBottomButtonHeight;

    // The three-character boxes stand at the right edge, their long labels take the rest of
    // the row; the code-name box, which has no limit, is as wide as its short label allows.
    const int shortBoxX = rightEdge - kShortBoxWidth;
    const int longLabelWidth = shortBoxX - kLabelToBox - right;
    const int codeNameX = right + kCodeNameLabelWidth + kLabelToBox;

    // Four rows of even pitch, each with room for a label wrapped onto two lines; Generate
    // takes what is left above the bottom row.
    const int angleTop = kMargin + kFrameHeight + kSpacing;
    const int rowPitch = std::max(kTwoLineLabelHeight + kLabelDrop,
                                  (bottomTop - kSpacing - kGenerateMinHeight - angleTop) / 4);
    const int codeNameTop = angleTop + rowPitch;
    const int alarmTop = codeNameTop + rowPitch;
    const int doorLockTop = alarmTop + rowPitch;
    const int generateTop = doorLockTop + rowPitch;
    const int generateHeight = bottomTop - kSpacing - generateTop;

    auto shortBox = [&](const std::string& name, int top) {
        return forms::textBox(name, {shortBoxX, top, kShortBoxWidth, kBoxHeight}, 3);
    };
    auto longLabel = [&](const std::string& name, const char* caption, int top) {
        return forms::label(name, caption,
                            {right, top + kLabelDrop, longLabelWidth, kTwoLineLabelHeight});
    };

    forms::WindowLayout layout = emptyWindow(desc);
    // Declaration order is the focus order: list, X, Y, Z, code name, alarm, door lock,
    // Generate, the back buttons, Exit and, last, the angle box.
    auto& c = layout.controls;
    c.push_back(forms::listBox(desc.list, {},
                               {kMargin, kMargin, kListWidth, bottomTop - kSpacing - kMargin}));
    addCoordinates(layout, desc, {right, kMargin, rightWidth, kFrameHeight}, 120);
    c.push_back(forms::label("lblcodename", "Code Name",
                             {right, codeNameTop + kLabelDrop, kCodeNameLabelWidth, kLabelHeight}));
    c.push_back(forms::textBox(desc.boxes.codeName,
                               {codeNameX, codeNameTop, rightEdge - codeNameX, kBoxHeight}));
    c.push_back(longLabel(desc.alarmLabel, "Percentage Alarm Will Go Off", alarmTop));
    c.push_back(shortBox("txtalarmpercent", alarmTop));
    c.push_back(longLabel(desc.doorLockLabel, "Percentage Door Will Be Locked", doorLockTop));
    c.push_back(shortBox(desc.boxes.doorLock, doorLockTop));
    c.push_back(forms::button(desc.generate, "Generate My Code",
                              {right, generateTop, rightWidth, generateHeight}));

    addBottomRow(layout, desc.bottomRow);

    c.push_back(longLabel("lblangle", "Angle Vehicle Will Be Facing From North", angleTop));
    c.push_back(shortBox("txtangle", angleTop));
    return layout;
}

BottomRow vehicleBottomRow(std::string backToPicker, std::string pickerCaption) {
    return {.backToPicker = std::move(backToPicker),
            .pickerCaption = std::move(pickerCaption),
            .height = kBottomButtonHeight,
            .pickerShare = 40,
            .mainShare = 34,
            .exitShare = 26};
}

std::vector<Entry> parkedCarEntries(const CreatorDesc& desc, std::span<const Vehicle> vehicles,
                                    const std::string& afterAlarm) {
    const Boxes& b = desc.boxes;
    std::vector<Entry> entries;
    for (const Vehicle& vehicle : vehicles) {
        const std::string text = std::string(" = init_parked_car_generator ") + vehicle.token +
                                 " -1 -1  0 alarm" + afterAlarm;
        entries.push_back({vehicle.caption,
                           {fixed("014B: $"), box(b.codeName), fixed(text), box("txtalarmpercent"),
                            fixed(" door_lock  "), box(b.doorLock), fixed("  0  10000 at  "),
                            box(b.x), fixed(" "), box(b.y), fixed(" "), box(b.z), fixed(" angle  "),
                            box("txtangle"), fixed("\r\n014C: set_parked_car_generator $"),
                            box(b.codeName), fixed(" cars_to_generate_to  101")}});
    }
    return entries;
}

}  // namespace creators
