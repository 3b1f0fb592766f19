#pragma once

#include <string>

namespace app {

// Where the program's windows go, where the user has not said through QT_QPA_PLATFORM.
struct DisplayChoice {
    // The Qt platform to run on ("xcb" or "wayland"); empty where the user's QT_QPA_PLATFORM
    // stands or where no display can be opened.
    std::string platform;
    // Where no display can be opened, the one line that says so; else empty.
    std::string failure;
};

// X wherever an X server answers at DISPLAY (Xwayland too), as only X lets the program centre
// its windows; Wayland where only a compositor answers at WAYLAND_DISPLAY. Asks both before Qt
// does, since Qt aborts on a display it cannot open.
DisplayChoice chooseDisplay();

}  // namespace app
