#!/usr/bin/env bash
# Installs the Debian packages that building and running Quarnix need, where missing.
# With --tests, also what the tests need: GoogleTest, clang-format, and a private X server
# with a window manager and the tools that type and own the clipboard there.
set -euo pipefail

packages=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev libxkbcommon-dev
    fonts-liberation
)
if [ "${1:-}" = "--tests" ]; then
    packages+=(
        libgtest-dev googletest
        clang-format
        xvfb openbox x11-utils xdotool xclip
    )
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        sudo="sudo"
    fi
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi
