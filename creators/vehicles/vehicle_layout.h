// What the three vehicle creators share beyond the creator machinery: one window design with
// the alarm, door-lock and angle boxes, and the parked car generator command pair.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "creators/creator.h"
#include "creators/creator_layout.h"
#include "forms/layout.h"

namespace creators {

// The list on the left; on the right the "Coordinates" frame, the labelled angle, code-name,
// alarm and door-lock boxes and "Generate My Code"; the three other buttons in a row along
// the bottom. The angle box comes last in the focus order, after Exit. The alarm box and the
// angle box are named alike in all three games.
forms::WindowLayout vehicleCreator(const CreatorDesc& desc);

// The bottom row of every vehicle creator, with the game's back-to-picker button.
BottomRow vehicleBottomRow(std::string backToPicker, std::string pickerCaption);

// A list entry of a creator that writes script text: the caption is display text only, the
// token is the model the line names.
struct Vehicle {
    const char* caption;
    const char* token;
};

// One parked car generator entry per vehicle, in the list's order: the two commands, joined
// by one CR LF and with none after the second. `afterAlarm` is the blanks the game puts after
// "alarm".
std::vector<Entry> parkedCarEntries(const CreatorDesc& desc, std::span<const Vehicle> vehicles,
                                    const std::string& afterAlarm);

}  // namespace creators
