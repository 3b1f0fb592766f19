#!/usr/bin/env bash
# Installs what is missing, builds Quarnix and starts it (needs a display).
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DQUARNIX_TESTS=OFF >/dev/null
cmake --build build -j"$(nproc)" --target quarnix
exec build/quarnix "$@"
