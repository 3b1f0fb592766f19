#include "creators/vehicles/vehicles.h"

#include "forms/runtime.h"

namespace creators::vehicles {

void defineGta3(forms::Forms&) {}

}  // namespace creators::vehicles
