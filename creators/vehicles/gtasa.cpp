#include "creators/vehicles/vehicles.h"

#include "forms/runtime.h"

namespace creators::vehicles {

void defineGtaSa(forms::Forms&) {}

}  // namespace creators::vehicles
