// The lines a weapon or item creator entry can write, and the rows every game's tables are
// written in. Every line ends in the three coordinates separated by single blanks; only the
// fixed text in the middle belongs to the entry.
#pragma once

#include <span>
#include <utility>
#include <vector>

#include "creators/creator.h"

namespace creators {

enum class Line {
    // A plain pickup (0213) carries no ammunition, so it never reads the ammo box.
    Pickup,
    // A weapon pickup (032B) puts the typed amount of ammunition between its fixed text and
    // " at ".
    WeaponPickup,
    // A weapon pickup in a creator without an ammo box: the amount is part of the fixed text.
    WeaponPickupFixedAmmo,
};

struct PickupRow {
    const char* caption;  // display text only; the position in the table picks the line
    Line line;
    const char* fixedText;  // model token and fixed numbers, blanks counted
};

inline std::vector<Entry> pickupEntries(std::span<const PickupRow> rows, const Boxes& boxes) {
    std::vector<Entry> entries;
    for (const PickupRow& row : rows) {
        Template line = {fixed(row.line == Line::Pickup ? "0213: $" : "032B: $"),
                         box(boxes.codeName), fixed(row.fixedText)};
        if (row.line == Line::WeaponPickup) {
            line.insert(line.end(), {box(boxes.ammo), fixed(" at ")});
        }
        line.insert(line.end(), {box(boxes.x), fixed(" "), box(boxes.y), fixed(" "), box(boxes.z)});
        entries.push_back({row.caption, std::move(line)});
    }
    return entries;
}

}  // namespace creators
