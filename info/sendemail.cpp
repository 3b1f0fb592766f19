#include "info/info.h"

#include "forms/runtime.h"

namespace info {

void defineSendEmail(forms::Forms&) {}

}  // namespace info
