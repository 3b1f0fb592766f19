#!/usr/bin/env bash
# Installs what is missing, builds Quarnix and starts it (needs a display). It builds in a
# tree of its own, build-run/, apart from the tests' build/.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh
cmake -S . -B build-run -DCMAKE_BUILD_TYPE=Release -DQUARNIX_TESTS=OFF >/dev/null
cmake --build build-run -j"$(nproc)" --target quarnix
exec build-run/quarnix "$@"
