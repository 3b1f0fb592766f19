#include "creators/vehicles/vehicles.h"

#include "forms/runtime.h"

namespace creators::vehicles {

void defineGtaVc(forms::Forms&) {}

}  // namespace creators::vehicles
