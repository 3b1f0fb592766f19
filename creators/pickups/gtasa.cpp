#include "creators/pickups/pickups.h"

#include "forms/runtime.h"

namespace creators::pickups {

void defineGtaSa(forms::Forms&) {}

}  // namespace creators::pickups
