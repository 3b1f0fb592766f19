#include "creators/pickups/pickups.h"

#include "forms/runtime.h"

namespace creators::pickups {

void defineGta3(forms::Forms&) {}

}  // namespace creators::pickups
