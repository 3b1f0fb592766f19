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

# Without a display Qt aborts only after the whole install and build; say so up front. A
# platform chosen through QT_QPA_PLATFORM (offscreen, vnc, eglfs ...) needs none.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "Quarnix is a desktop program and needs a graphical desktop: neither DISPLAY nor" \
        "WAYLAND_DISPLAY is set. Start ./run.sh from a terminal in a desktop session." >&2
    exit 1
fi

tools/install-deps.sh --log build-run/install.log
cmake -S . -B build-run -DCMAKE_BUILD_TYPE=Release -DQUARNIX_TESTS=OFF >/dev/null
cmake --build build-run -j"$(nproc)" --target quarnix

. tools/runtime-dir.sh
exec build-run/quarnix
