#!/usr/bin/env bash
# Installs the Debian packages that building and running Quarnix need, where missing.
# With --tests, also what the tests need: GoogleTest, clang-format, a private X server with a
# window manager and the tools that type and own the clipboard there, a Wayland compositor
# with Xwayland and the tools that type there and read its windows, the font families the
# layout tests measure with, and the desktop styles and platform themes they run under.
# apt's own output goes to a log file (--log FILE, else a new file under /tmp); the terminal
# gets one line per step, and the log's tail when the install fails.
set -euo pipefail

usage="usage: tools/install-deps.sh [--tests] [--log FILE]"
tests=false
log=""
while [ $# -gt 0 ]; do
    case "$1" in
        --tests) tests=true ;;
        --log)
            [ $# -ge 2 ] || { echo "$usage" >&2; exit 2; }
            log="$2"
            shift
            ;;
        -h | --help) echo "$usage"; exit 0 ;;
        *) echo "$usage" >&2; exit 2 ;;
    esac
    shift
done

packages=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev libxkbcommon-dev libxcb1-dev qt6-wayland
    fonts-liberation
)
if $tests; then
    packages+=(
        libgtest-dev googletest
        clang-format
        xvfb openbox x11-utils xdotool xclip wmctrl
        sway xwayland wtype jq
        fontconfig fonts-dejavu-core fonts-liberation fonts-urw-base35 fonts-noto-core
        adwaita-qt6
        qt6-gtk-platformtheme qt6ct fonts-cantarell
    )
    # The desktop styles the windows are tested under: KDE's Breeze exists for Qt 6 from Debian
    # 13 on (with its colour schemes in the data package), GNOME's Adwaita on both.
    release="$(. /etc/os-release && echo "${VERSION_ID:-}")"
    if [ -z "$release" ] || [ "${release%%.*}" -ge 13 ]; then
        packages+=(kde-style-breeze kde-style-breeze-data plasma-integration)
    fi
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed"; then
        # fonts-liberation is in both lists; ask for it once.
        [[ " ${missing[*]} " == *" $p "* ]] || missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Missing Debian packages: ${missing[*]}"

# Without root only root can install; say exactly what to run rather than fail on it.
needs_root() {
    {
        echo "Installing them needs root, and $1. As root, run:"
        echo "    apt-get update && apt-get install ${missing[*]}"
        echo "then run this command again."
    } >&2
    exit 1
}

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || needs_root "there is no sudo here"
    # Asked before apt-get, so that a sudo that turns this user away (not in the sudoers file,
    # a wrong password, no terminal to ask on) is said as such, not as a failed install.
    # Without a password first, as CI's sudo needs none.
    if ! sudo -n true 2>/dev/null && ! sudo -v; then
        needs_root "sudo does not let $(id -un) do it"
    fi
    as_root=(sudo)
fi

if [ -z "$log" ]; then
    log="$(mktemp --tmpdir quarnix-install.XXXXXX)"
fi
mkdir -p "$(dirname "$log")"
# An absolute path, so that the messages point at it from wherever the reader stands.
log="$(cd "$(dirname "$log")" && pwd)/${log##*/}"
: >"$log"

echo "Installing them with apt-get (log: $log) ..."
# env, because sudo drops DEBIAN_FRONTEND from the caller's environment.
apt=("${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o Dpkg::Use-Pty=0)
status=0
{ "${apt[@]}" update && "${apt[@]}" install -y "${missing[@]}"; } >>"$log" 2>&1 || status=$?
if [ "$status" -ne 0 ]; then
    {
        echo "Installing the packages failed (apt-get exit code $status). The end of $log:"
        tail -n 30 "$log"
        echo "The whole output is in $log"
    } >&2
    exit "$status"
fi
echo "Installed."
