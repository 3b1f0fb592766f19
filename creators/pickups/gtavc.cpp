#include "creators/pickups/pickups.h"

#include "forms/runtime.h"

namespace creators::pickups {

void defineGtaVc(forms::Forms&) {}

}  // namespace creators::pickups
