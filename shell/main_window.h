// Start-up splash and the main window, the hub of the chain of windows.
#pragma once

#include "forms/runtime.h"

namespace shell {

void defineSplash(forms::Forms& forms);
void defineMainWindow(forms::Forms& forms);

// Start-up: shows the splash, waits two seconds while window events go on, then shows the
// main window and unloads the splash.
void frmquarnixload_Form_Load(forms::Forms& forms);

}  // namespace shell
