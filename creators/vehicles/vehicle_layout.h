// What the three vehicle creators share beyond the creator machinery: one window design with
// the alarm, door-lock and angle boxes, and the parked car generator command pair.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "creators/creator.h"
#include "forms/layout.h"

namespace creators::vehicles {

// What differs between the games' vehicle creators: names, caption and size. The frame, the
// code-name, alarm and angle boxes, Generate, "Back To GTA Pick" and Exit are named alike in
// all three, and so are the labels but the alarm box's.
struct CreatorDesc {
    std::string window;
    std::string caption;
    int width = 0;  // client area, twips
    int height = 0;
    std::string list;
    std::string x, y, z;
    std::string alarmLabel;
    std::string doorLock;
    std::string doorLockLabel;
    std::string backToPicker;
    std::string backToPickerCaption;
};

// The list on the left; on the right the "Coordinates" frame, the labelled angle, code-name,
// alarm and door-lock boxes and "Generate My Code"; the three other buttons in a row along
// the bottom. The angle box comes last in the focus order, after Exit.
forms::WindowLayout creatorLayout(const CreatorDesc& desc);

// The two commands of a parked car generator, joined by one CR LF and with none after the
// second. `entryText` is the entry's own run from " = init_parked_car_generator " to "alarm"
// and the blanks after it.
Template parkedCarGenerator(const CreatorDesc& desc, const std::string& entryText);

// A list entry of a creator that writes script text: the caption is display text only, the
// token is the model the line names.
struct Vehicle {
    const char* caption;
    const char* token;
};

// One parked car generator entry per vehicle, in the list's order. `afterAlarm` is the
// blanks the game puts after "alarm".
std::vector<Entry> parkedCarEntries(const CreatorDesc& desc, std::span<const Vehicle> vehicles,
                                    const std::string& afterAlarm);

// A whole vehicle group: the creator `desc` describes listing `entries`, and its result window.
Group vehicleGroup(const CreatorDesc& desc, std::string picker, std::vector<Entry> entries,
                   const ResultWindow& result);

}  // namespace creators::vehicles
