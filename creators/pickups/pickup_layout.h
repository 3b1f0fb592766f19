// The two window designs the weapon and item creators of all three games are built from. A
// game gives its names, its window's client size and the few sizes it chooses for itself;
// everything else is placed alike in every game.
#pragma once

#include "creators/creator_layout.h"
#include "forms/layout.h"

namespace creators {

// The list down the left; to its right the "Coordinates" frame, the code-name and ammo rows
// and "Generate My Code"; the row of buttons along the bottom.
forms::WindowLayout weaponCreator(const CreatorDesc& desc);

// The list and the "Coordinates" frame side by side across the top; below them the code-name
// row, "Generate My Code" across the whole width and the row of buttons along the bottom.
forms::WindowLayout itemCreator(const CreatorDesc& desc);

}  // namespace creators
