// Every window of the program, registered with the runtime.
#pragma once

namespace forms {
class Forms;
}

namespace app {

void defineAllWindows(forms::Forms& forms);

}  // namespace app
