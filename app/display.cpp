#include "app/display.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace app {
namespace {

std::string variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// A full connection, authorisation included: a server that is there but turns the program
// away is as good as none, and so is one without the screen DISPLAY names (":0.1"), which Qt
// would abort on.
bool xServerAnswers() {
    int screen = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screen);
    const bool answers = xcb_connection_has_error(connection) == 0 && screen >= 0 &&
                         screen < xcb_setup_roots_length(xcb_get_setup(connection));
    xcb_disconnect(connection);
    return answers;
}

// The socket where libwayland looks: an absolute WAYLAND_DISPLAY as it stands, a plain name in
// XDG_RUNTIME_DIR. A socket file that a dead compositor left refuses the connection.
bool waylandCompositorAnswers(const std::string& display) {
    std::string path = display;
    if (path.front() != '/') {
        const std::string runtime = variable("XDG_RUNTIME_DIR");
        if (runtime.empty()) {
            return false;
        }
        path = runtime + "/" + display;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path) {
        return false;
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0) {
        return false;
    }
    const bool answers =
        ::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(socket);
    return answers;
}

}  // namespace

DisplayChoice chooseDisplay() {
    if (!variable("QT_QPA_PLATFORM").empty()) {
        return {};
    }
    const std::string x = variable("DISPLAY");
    if (!x.empty() && xServerAnswers()) {
        return {"xcb", {}};
    }
    const std::string wayland = variable("WAYLAND_DISPLAY");
    if (!wayland.empty() && waylandCompositorAnswers(wayland)) {
        return {"wayland", {}};
    }
    // run.sh says the same line, word for word, before it builds.
    return {{},
            "Quarnix needs a graphical desktop and can open none: " +
                (x.empty() ? "DISPLAY is not set" : "no X server answers at DISPLAY=" + x) +
                ", and " +
                (wayland.empty() ? "WAYLAND_DISPLAY is not set"
                                 : "no Wayland compositor answers at WAYLAND_DISPLAY=" + wayland) +
                ". Start it from a terminal in a desktop session."};
}

}  // namespace app
