// Every window of the program, registered with the runtime.
#pragma once

namespace forms {
class Forms;
}

namespace app {

// Defines every window, then checks every window and control name that a table gives (click
// handlers' targets, greying lists, exit confirmations), so that a misspelt one fails at start.
void defineAllWindows(forms::Forms& forms);
// That check alone; throws std::logic_error naming the table and the name.
void requireNamedWindowsAndControls(const forms::Forms& forms);

}  // namespace app
