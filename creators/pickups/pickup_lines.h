// The two lines a weapon or item creator entry can write. Both end in the three coordinates
// separated by single blanks; only the fixed text in the middle belongs to the entry.
#pragma once

#include <string>

#include "creators/creator.h"

namespace creators::pickups {

// The creator's boxes the lines read; each game names them its own way.
struct PickupBoxes {
    std::string codeName;
    std::string ammo;  // empty in a creator without one: its entries make plain pickups only
    std::string x;
    std::string y;
    std::string z;
};

inline Template withCoordinates(Template line, const PickupBoxes& boxes) {
    line.insert(line.end(), {box(boxes.x), fixed(" "), box(boxes.y), fixed(" "), box(boxes.z)});
    return line;
}

// A plain pickup (0213) carries no ammunition, so it never reads the ammo box.
inline Template pickupLine(const PickupBoxes& boxes, const std::string& fixedText) {
    return withCoordinates({fixed("0213: $"), box(boxes.codeName), fixed(fixedText)}, boxes);
}

// A weapon pickup (032B) puts the typed amount of ammunition between its fixed text and " at ".
inline Template weaponPickupLine(const PickupBoxes& boxes, const std::string& fixedText) {
    return withCoordinates(
        {fixed("032B: $"), box(boxes.codeName), fixed(fixedText), box(boxes.ammo), fixed(" at ")},
        boxes);
}

}  // namespace creators::pickups
