#include "creators/vehicles/vehicle_layout.h"

#include <algorithm>
#include <utility>

#include "creators/creator_layout.h"

namespace creators::vehicles {

namespace {

// Geometry in twips. A single-line box is 300 high; a label line takes about 195-225, so a
// label that may wrap gets room for two lines.
constexpr int kMargin = 120;
constexpr int kGap = 120;
constexpr int kBoxHeight = 300;
constexpr int kLabelHeight = 225;
constexpr int kTwoLineLabelHeight = 435;
constexpr int kBottomButtonHeight = 495;  // room for a caption wrapped onto two lines
constexpr int kListWidth = 2055;          // the longest captions, 19 characters, in full
constexpr int kFrameHeight = 960;
constexpr int kShortBoxWidth = 555;  // three characters with room to spare
constexpr int kCodeNameLabelWidth = 1035;
constexpr int kGenerateMinHeight = 465;
// Label text sits a little lower than a box's top, so it lines up with the typed text.
constexpr int kLabelDrop = 45;

}  // namespace

forms::WindowLayout creatorLayout(const CreatorDesc& desc) {
    const int right = kMargin + kListWidth + kGap;  // left edge of the right column
    const int rightWidth = desc.width - kMargin - right;
    const int rightEdge = desc.width - kMargin;
    const int bottomTop = desc.height - kMargin - kBottomButtonHeight;

    // The three-character boxes stand at the right edge, their long labels take the rest of
    // the row; the code-name box, which has no limit, is as wide as its short label allows.
    const int shortBoxX = rightEdge - kShortBoxWidth;
    const int longLabelWidth = shortBoxX - 60 - right;
    const int codeNameX = right + kCodeNameLabelWidth + 60;

    // Four rows of even pitch, each with room for a label wrapped onto two lines; Generate
    // takes what is left above the bottom row.
    const int angleTop = kMargin + kFrameHeight + kGap;
    const int rowPitch = std::max(kTwoLineLabelHeight + kLabelDrop,
                                  (bottomTop - kGap - kGenerateMinHeight - angleTop) / 4);
    const int codeNameTop = angleTop + rowPitch;
    const int alarmTop = codeNameTop + rowPitch;
    const int doorLockTop = alarmTop + rowPitch;
    const int generateTop = doorLockTop + rowPitch;
    const int generateHeight = bottomTop - kGap - generateTop;

    auto shortBox = [&](const std::string& name, int top) {
        return forms::textBox(name, {shortBoxX, top, kShortBoxWidth, kBoxHeight}, 3);
    };
    auto longLabel = [&](const std::string& name, const char* caption, int top) {
        return forms::label(name, caption,
                            {right, top + kLabelDrop, longLabelWidth, kTwoLineLabelHeight});
    };

    forms::WindowLayout layout;
    layout.name = desc.window;
    layout.caption = desc.caption;
    layout.width = desc.width;
    layout.height = desc.height;
    // Declaration order is the focus order: list, X, Y, Z, code name, alarm, door lock,
    // Generate, the back buttons, Exit and, last, the angle box.
    auto& c = layout.controls;
    c.push_back(
        forms::listBox(desc.list, {}, {kMargin, kMargin, kListWidth, bottomTop - kGap - kMargin}));
    addCoordinates(layout, {.rect = {right, kMargin, rightWidth, kFrameHeight},
                            .x = desc.x,
                            .y = desc.y,
                            .z = desc.z,
                            .inset = 120,
                            .boxHeight = kBoxHeight});
    c.push_back(forms::label("lblcodename", "Code Name",
                             {right, codeNameTop + kLabelDrop, kCodeNameLabelWidth, kLabelHeight}));
    c.push_back(
        forms::textBox("txtcodename", {codeNameX, codeNameTop, rightEdge - codeNameX, kBoxHeight}));
    c.push_back(longLabel(desc.alarmLabel, "Percentage Alarm Will Go Off", alarmTop));
    c.push_back(shortBox("txtalarmpercent", alarmTop));
    c.push_back(longLabel(desc.doorLockLabel, "Percentage Door Will Be Locked", doorLockTop));
    c.push_back(shortBox(desc.doorLock, doorLockTop));
    c.push_back(forms::button("cmdgencode", "Generate My Code",
                              {right, generateTop, rightWidth, generateHeight}));

    addBottomRow(layout, {.backToPicker = desc.backToPicker,
                          .pickerCaption = desc.backToPickerCaption,
                          .height = kBottomButtonHeight,
                          .pickerShare = 40,
                          .mainShare = 34,
                          .exitShare = 26});

    c.push_back(longLabel("lblangle", "Angle Vehicle Will Be Facing From North", angleTop));
    c.push_back(shortBox("txtangle", angleTop));
    return layout;
}

Template parkedCarGenerator(const CreatorDesc& desc, const std::string& entryText) {
    return {
        fixed("014B: $"),
        box("txtcodename"),
        fixed(entryText),
        box("txtalarmpercent"),
        fixed(" door_lock  "),
        box(desc.doorLock),
        fixed("  0  10000 at  "),
        box(desc.x),
        fixed(" "),
        box(desc.y),
        fixed(" "),
        box(desc.z),
        fixed(" angle  "),
        box("txtangle"),
        fixed("\r\n014C: set_parked_car_generator $"),
        box("txtcodename"),
        fixed(" cars_to_generate_to  101"),
    };
}

std::vector<Entry> parkedCarEntries(const CreatorDesc& desc, std::span<const Vehicle> vehicles,
                                    const std::string& afterAlarm) {
    std::vector<Entry> entries;
    for (const Vehicle& vehicle : vehicles) {
        const std::string text = std::string(" = init_parked_car_generator ") + vehicle.token +
                                 " -1 -1  0 alarm" + afterAlarm;
        entries.push_back({vehicle.caption, parkedCarGenerator(desc, text)});
    }
    return entries;
}

Group vehicleGroup(const CreatorDesc& desc, std::string picker, std::vector<Entry> entries,
                   const ResultWindow& result) {
    Group group;
    group.picker = std::move(picker);
    group.creator = creatorLayout(desc);
    group.list = desc.list;
    group.generate = "cmdgencode";
    group.creatorBackToPicker = desc.backToPicker;
    group.creatorBackToMain = "cmdbacktogtapick";
    group.entries = std::move(entries);
    setResultWindow(group, result);
    return group;
}

}  // namespace creators::vehicles
