#!/usr/bin/env bash
# Installs what is missing, builds Quarnix and starts it on the desktop. It builds in a tree of
# its own, build-run/, apart from the tests' build/.
set -euo pipefail
cd "$(dirname "$0")"

usage="usage: ./run.sh   (builds Quarnix in build-run/ and starts it; it takes no arguments)"
if [ $# -eq 1 ] && { [ "$1" = -h ] || [ "$1" = --help ]; }; then
    echo "$usage"
    exit 0
fi
if [ $# -gt 0 ]; then
    echo "$usage" >&2
    exit 2
fi

# Without a display the program can only say so, and only after the whole install and build;
# say it up front, in the program's own words. A platform chosen through QT_QPA_PLATFORM
# (offscreen, vnc, eglfs ...) needs none.
#
# A local X display answers where its server's socket takes a connection, in /tmp/.X11-unix or
# under that name in Linux's abstract namespace (a socket file alone may be what a killed server
# left); one over TCP (ssh's forwarding) where its port takes a connection. A remote host's is
# left to the program, so that this script never waits on the network.
x_server_answers() {
    local host="${DISPLAY%:*}" number="${DISPLAY##*:}"
    number="${number%%.*}"
    [[ "$number" =~ ^[0-9]+$ ]] || return 1
    case "$host" in
        "" | unix)
            # perl is in every Debian install; bash cannot open a Unix socket.
            perl -MSocket -e 'my $name = "/tmp/.X11-unix/X$ARGV[0]";
                for my $path ($name, "\0$name") {
                    socket(my $s, AF_UNIX, SOCK_STREAM, 0) or exit 1;
                    exit 0 if connect($s, pack_sockaddr_un($path));
                }
                exit 1' "$number" 2>/dev/null
            ;;
        localhost | 127.0.0.1) (: <>"/dev/tcp/$host/$((6000 + number))") 2>/dev/null ;;
        *) return 0 ;;
    esac
}
# A Wayland compositor answers where libwayland looks for its socket.
wayland_answers() {
    case "$WAYLAND_DISPLAY" in
        /*) [ -S "$WAYLAND_DISPLAY" ] ;;
        *) [ -n "${XDG_RUNTIME_DIR:-}" ] && [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] ;;
    esac
}
if [ -z "${QT_QPA_PLATFORM:-}" ] &&
    ! { [ -n "${DISPLAY:-}" ] && x_server_answers; } &&
    ! { [ -n "${WAYLAND_DISPLAY:-}" ] && wayland_answers; }; then
    x="DISPLAY is not set"
    [ -z "${DISPLAY:-}" ] || x="no X server answers at DISPLAY=$DISPLAY"
    wayland="WAYLAND_DISPLAY is not set"
    [ -z "${WAYLAND_DISPLAY:-}" ] ||
        wayland="no Wayland compositor answers at WAYLAND_DISPLAY=$WAYLAND_DISPLAY"
    echo "Quarnix needs a graphical desktop and can open none: $x, and $wayland." \
        "Start it from a terminal in a desktop session." >&2
    exit 1
fi

tools/install-deps.sh --log build-run/install.log
# The build speaks only when it fails; a start with everything built shows only the program.
mkdir -p build-run
log=build-run/build.log
[ -x build-run/quarnix ] || echo "Building Quarnix in build-run/ (log: $log) ..."
if ! { cmake -S . -B build-run -DCMAKE_BUILD_TYPE=Release -DQUARNIX_TESTS=OFF &&
    cmake --build build-run -j"$(nproc)" --target quarnix; } >"$log" 2>&1; then
    {
        echo "Building Quarnix failed. The end of $log:"
        tail -n 30 "$log"
    } >&2
    exit 1
fi

. tools/runtime-dir.sh
exec build-run/quarnix
