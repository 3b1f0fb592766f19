#include "info/info.h"

#include "forms/runtime.h"

namespace info {

void defineInformationWindows(forms::Forms&) {}

}  // namespace info
