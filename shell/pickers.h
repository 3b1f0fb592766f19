// The code picker of each game and its not-available notice.
#pragma once

#include "forms/runtime.h"

namespace shell {

void definePickers(forms::Forms& forms);

}  // namespace shell
