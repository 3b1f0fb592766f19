#!/usr/bin/env bash
# Runs a command on a private X server (Xvfb) with a window manager (openbox), as on a desktop:
# with key auto-repeat, a clipboard shared with other programs, and window frames.
# QUARNIX_X_SCREEN sets the screen's size (default 1280x1024x24).
set -euo pipefail

work="$(mktemp -d)"
xvfb_pid=""
wm_pid=""
# Ends a server and waits until it is gone: a dying Xvfb still holds its display number, and
# the next test's server could be handed it. One that ignores the polite signal is killed.
stop() {
    local pid="$1"
    kill "$pid" 2>/dev/null || return 0
    for _ in $(seq 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}
cleanup() {
    local status=$?
    [ -z "$wm_pid" ] || stop "$wm_pid"
    [ -z "$xvfb_pid" ] || stop "$xvfb_pid"
    rm -rf "$work"
    exit "$status"
}
trap cleanup EXIT

# Says that a server did not start, with the start and the end of its log (Xvfb's can run to
# many thousands of lines, one for each display it tried) and what to check.
failed() {
    local what="$1" log="$2" hint="$3"
    local lines
    lines=$(wc -l <"$log")
    echo "$what did not start. Its log ($lines lines):" >&2
    if [ "$lines" -le 45 ]; then
        cat "$log" >&2
    else
        head -n 15 "$log" >&2
        echo "[... $((lines - 45)) lines left out ...]" >&2
        tail -n 30 "$log" >&2
    fi
    echo "$hint" >&2
    exit 1
}

# The server picks a free display itself and writes its number when it is ready.
Xvfb -displayfd 3 -screen 0 "${QUARNIX_X_SCREEN:-1280x1024x24}" -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
done
if [ ! -s "$work/display" ]; then
    failed Xvfb "$work/xvfb.log" \
        "Check that /tmp/.X11-unix exists and is writable by you (mode 1777, as root makes it)."
fi
export DISPLAY=":$(head -n 1 "$work/display")"

# A window manager that does not give new windows the keyboard by itself: the program must ask
# for it, as not every desktop hands it over.
sed 's|<focusNew>yes</focusNew>|<focusNew>no</focusNew>|' /etc/xdg/openbox/rc.xml >"$work/rc.xml"
grep -q '<focusNew>no</focusNew>' "$work/rc.xml"
# The server names its display as it starts listening; it may refuse a client for a moment
# after that (seen in fresh Debian 13 roots), so nothing is started on it before it answers.
for _ in $(seq 50); do
    xprop -root >/dev/null 2>&1 && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
done
# A window manager that found no display at once is tried again, twice.
for _ in 1 2 3; do
    openbox --sm-disable --config-file "$work/rc.xml" >"$work/openbox.log" 2>&1 &
    wm_pid=$!
    sleep 0.2
    kill -0 "$wm_pid" 2>/dev/null && break
    grep -q 'Failed to open the display' "$work/openbox.log" || break
done
# The window manager is ready once it has announced itself on the root window with what it
# supports, the activation of windows among it. Without it the tests would prove nothing.
wm_ready() {
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' &&
        xprop -root _NET_SUPPORTED 2>/dev/null | grep -q '_NET_ACTIVE_WINDOW'
}
for _ in $(seq 300); do
    wm_ready && break
    kill -0 "$wm_pid" 2>/dev/null || break
    sleep 0.1
done
if ! wm_ready; then
    failed openbox "$work/openbox.log" \
        "Check that openbox is installed (tools/install-deps.sh --tests) and that /etc/xdg/openbox/rc.xml exists."
fi

export QT_QPA_PLATFORM=xcb
"$@"
