#!/usr/bin/env bash
# The real program on a Wayland desktop: a headless sway, keys typed through the compositor's
# virtual keyboard (wtype), windows read from sway's tree (swaymsg, jq). First with no X
# server, where the program must run on Wayland; then with Xwayland, where it must choose X.
# Usage: wayland_test.sh PATH-TO-QUARNIX
#
# sway refuses to run as root, so under root the compositor and the program run as nobody,
# from a copy of the program in a folder that user can read (a clone under /root is not).
set -euo pipefail

[ $# -eq 1 ] || { echo "usage: wayland_test.sh PATH-TO-QUARNIX" >&2; exit 2; }
program="$1"

as_user=()
user="$(id -un)"
if [ "$(id -u)" -eq 0 ]; then
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
    user=nobody
fi

# Under /tmp whatever TMPDIR says: TMPDIR may be a folder only root can enter.
work="$(mktemp -d -p /tmp quarnix-wayland.XXXXXX)"
sway_pid=""
program_pid=""
cleanup() {
    if [ -n "$program_pid" ]; then kill "$program_pid" 2>/dev/null || true; fi
    if [ -n "$sway_pid" ]; then kill "$sway_pid" 2>/dev/null || true; fi
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

chmod 755 "$work"
cp "$program" "$work/quarnix"
chmod 755 "$work/quarnix"

# Starts sway with Xwayland disabled or started at once ("disable", "force"), each time with a
# runtime folder and a home of its own, and exports what clients need to reach it.
start_sway() {
    local xwayland="$1" home="$work/home-$1"
    runtime="$work/runtime-$1"
    mkdir -m 700 "$runtime"
    mkdir -m 755 "$home"
    if [ ${#as_user[@]} -gt 0 ]; then
        chown nobody:nogroup "$runtime" "$home"
    fi
    {
        echo "xwayland $xwayland"
        # The X display Xwayland listens on, for the program; sway passes it to what it starts.
        echo "exec echo \"\$DISPLAY\" >$home/display"
    } >"$work/sway.config"
    export SWAYSOCK="$runtime/sway-ipc.sock" XDG_RUNTIME_DIR="$runtime"
    "${as_user[@]}" env -i PATH="$PATH" HOME="$home" XDG_RUNTIME_DIR="$runtime" \
        SWAYSOCK="$SWAYSOCK" WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 \
        WLR_RENDERER=pixman sway --config "$work/sway.config" >"$work/sway.log" 2>&1 &
    sway_pid=$!

    local ready=false
    for _ in $(seq 100); do
        if wayland_socket >/dev/null && swaymsg -t get_version >/dev/null 2>&1 &&
            [ -s "$home/display" ]; then
            ready=true
            break
        fi
        kill -0 "$sway_pid" 2>/dev/null || break
        sleep 0.1
    done
    if ! $ready; then
        {
            echo "FAIL: the Wayland compositor (sway, headless) did not start. Its log begins:"
            head -n 10 "$work/sway.log"
            echo "... and ends:"
            tail -n 30 "$work/sway.log"
            echo "Check that sway is installed (tools/install-deps.sh --tests) and that $user" \
                "can run it with WLR_BACKENDS=headless and XDG_RUNTIME_DIR=$runtime."
        } >&2
        exit 1
    fi
    WAYLAND_DISPLAY="$(wayland_socket)"
    export WAYLAND_DISPLAY
    x_display="$(cat "$home/display")"
    program_home="$home"
}

stop_sway() {
    kill "$sway_pid" 2>/dev/null || true
    wait "$sway_pid" 2>/dev/null || true
    sway_pid=""
}

wayland_socket() {
    local s
    for s in "$runtime"/wayland-*; do
        [[ "$s" == *.lock ]] || { echo "${s##*/}"; return 0; }
    done
    return 1
}

sanitizers=()
for v in ASAN_OPTIONS UBSAN_OPTIONS; do
    [ -n "${!v:-}" ] && sanitizers+=("$v=${!v}")
done

# Starts the program on the running sway with nothing of this environment but the variables
# given: no QT_QPA_PLATFORM, so the program chooses itself.
start_program() {
    "${as_user[@]}" env -i PATH="$PATH" HOME="$program_home" XDG_RUNTIME_DIR="$runtime" \
        LANG=C.UTF-8 "${sanitizers[@]}" "$@" "$work/quarnix" >"$work/quarnix.log" 2>&1 &
    program_pid=$!
}

# The program's output without Qt's notes on what the compositor did wrong: those are sway's
# to fix and vary with its version, not the program's.
program_output() {
    grep -vE '^qt\.qpa\.wayland[.[:alnum:]]*: .*(compositor bug|bug in the compositor)' \
        "$work/quarnix.log" || true
}

# Waits until the program has ended, and fails unless it ended with exit code 0 having
# printed nothing: neither a missing plugin nor anything else it would warn about.
expect_clean_end() {
    local status="" output
    for _ in $(seq 150); do
        if ! kill -0 "$program_pid" 2>/dev/null; then
            status=0
            wait "$program_pid" || status=$?
            break
        fi
        sleep 0.1
    done
    [ -n "$status" ] || fail "the program did not end after Yes"
    program_pid=""
    output="$(program_output)"
    if [ "$status" -ne 0 ]; then
        echo "FAIL ($phase): the program ended with exit code $status after Yes, not 0." \
            "Its output:" >&2
        sed 's/^/    /' "$work/quarnix.log" >&2
        exit 1
    fi
    if [ -n "$output" ]; then
        echo "FAIL ($phase): the program ended with exit code 0 after Yes, as it should, but" \
            "printed:" >&2
        program_output | sed 's/^/    /' >&2
        exit 1
    fi
}

# An X display that no server holds: no socket, no lock.
stale_x_display() {
    local n
    for n in $(seq 77 200); do
        if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ] &&
            ! grep -q "@/tmp/.X11-unix/X$n\$" /proc/net/unix 2>/dev/null; then
            echo ":$n"
            return 0
        fi
    done
    return 1
}

# Runs the program where no display can be opened, with these variables, and fails unless it
# says so in one line that names both variables and ends with exit code 1: not Qt's abort
# with its advice to reinstall.
expect_no_display() {
    local what="$1" status=0 output
    shift
    "${as_user[@]}" env -i PATH="$PATH" HOME="$work/home-none" \
        XDG_RUNTIME_DIR="$work/runtime-none" LANG=C.UTF-8 "${sanitizers[@]}" "$@" \
        timeout 30 "$work/quarnix" >"$work/quarnix.log" 2>&1 || status=$?
    output="$(cat "$work/quarnix.log")"
    if [ "$status" -ne 1 ] || [ "$(wc -l <"$work/quarnix.log")" -ne 1 ] ||
        [[ "$output" != *DISPLAY* || "$output" != *WAYLAND_DISPLAY* ]]; then
        {
            echo "FAIL: with $what the program should say so in one line naming DISPLAY and" \
                "WAYLAND_DISPLAY and end with exit code 1; it ended with exit code $status and printed:"
            sed 's/^/    /' "$work/quarnix.log"
        } >&2
        exit 1
    fi
}

fail() {
    {
        echo "FAIL ($phase): $*"
        echo "The program's windows, focused first:"
        windows | sed 's/^/    /'
        echo "The program's output:"
        sed 's/^/    /' "$work/quarnix.log"
    } >&2
    exit 1
}

# The program's windows as "focused|caption", one a line, the one with the keyboard first.
windows() {
    swaymsg -t get_tree 2>/dev/null | jq -r --argjson pid "${program_pid:-0}" \
        '[.. | objects | select(.pid? == $pid)] | sort_by(.focused | not) | .[] |
         "\(.focused)|\(.name // "")"'
}

# Waits until the program shows exactly one window, with this caption, and it has the keyboard.
wait_for_only() {
    local caption="$1" seen
    for _ in $(seq 150); do
        seen="$(windows)"
        [ "$seen" = "true|$caption" ] && return 0
        kill -0 "$program_pid" 2>/dev/null || fail "the program ended while waiting for \"$caption\""
        sleep 0.1
    done
    fail "\"$caption\" is not the one window, with the keyboard"
}

# Waits until the window with the keyboard has this caption, with the given windows shown.
wait_for_focus_over() {
    local caption="$1" under="$2" seen
    for _ in $(seq 150); do
        seen="$(windows)"
        [ "$seen" = "$(printf 'true|%s\nfalse|%s' "$caption" "$under")" ] && return 0
        kill -0 "$program_pid" 2>/dev/null || fail "the program ended while waiting for \"$caption\""
        sleep 0.1
    done
    fail "\"$caption\" does not have the keyboard over \"$under\""
}

keys() {
    # Each wtype is a new virtual keyboard, and sway hands the keyboard focus over again when
    # one appears: a key pressed in that moment reaches the window only as its release. So
    # the keys wait a little.
    local args=(-s 200) k
    for k in "$@"; do
        args+=(-k "$k")
    done
    wtype "${args[@]}"
}

# Keys for the program on X. Qt's X platform reads keys by the keymap it found at its start,
# and a recent one (6.11 under sway 1.12's Xwayland) does not follow the keymap that each wtype
# brings with its virtual keyboard: Tab arrives as Escape. xdotool types through the X server,
# in the keymap the program already has. That Xwayland drops the first key of the keyboard
# xdotool types on as it switches to it, so a Shift, which does nothing here, goes first.
x_keys() {
    "${as_user[@]}" env -i HOME="$program_home" DISPLAY="$x_display" \
        xdotool key --delay 200 Shift_L "$@"
}

# The program's windows that speak this protocol ("xdg_shell" for Wayland, "xwayland" for X).
windows_through() {
    swaymsg -t get_tree 2>/dev/null | jq -r --argjson pid "${program_pid:-0}" --arg shell "$1" \
        '.. | objects | select(.pid? == $pid and .shell? == $shell) | .name // ""'
}

start=$SECONDS
phase="no display"

mkdir -m 700 "$work/runtime-none"
mkdir -m 755 "$work/home-none"
if [ ${#as_user[@]} -gt 0 ]; then
    chown nobody:nogroup "$work/runtime-none" "$work/home-none"
fi
stale_display="$(stale_x_display)"
expect_no_display "no display at all"
expect_no_display "a stale DISPLAY and no Wayland compositor" \
    DISPLAY="$stale_display" WAYLAND_DISPLAY=wayland-quarnix-none

# Wayland alone: the program chooses it by itself.
phase="Wayland alone"
start_sway disable
[ -z "$x_display" ] || fail "sway started an X server: DISPLAY=$x_display"
start_program WAYLAND_DISPLAY="$WAYLAND_DISPLAY"

# The splash first, then the main window in its place.
for _ in $(seq 150); do
    [ -n "$(windows)" ] && break
    kill -0 "$program_pid" 2>/dev/null || fail "the program ended before it showed a window"
    sleep 0.1
done
[ "$(windows | cut -d'|' -f2)" != "Quarnix | GTA Pick" ] ||
    fail "the main window came without the splash"
wait_for_only "Quarnix | GTA Pick"
[ "$(windows_through xdg_shell)" = "Quarnix | GTA Pick" ] || fail "the main window is not on Wayland"

# Enter presses the GTA3 button, which has the keyboard: the GTA3 code picker replaces the
# main window and takes the keyboard.
keys Return
wait_for_only "Quarnix | GTA3 Code Pick"

# The picker acts on keys: four tabs from its first button reach Exit.
keys Tab Tab Tab Tab Return
wait_for_focus_over "Quarnix | Exit?" "Quarnix | GTA3 Code Pick"

# The picker's confirmation opens on No: Enter closes it, and the keyboard goes back to the
# picker, on Exit.
keys Return
wait_for_only "Quarnix | GTA3 Code Pick"
keys Return
wait_for_focus_over "Quarnix | Exit?" "Quarnix | GTA3 Code Pick"

# Tab to Yes: the program ends, with exit code 0.
keys Tab Return
expect_clean_end

# A DISPLAY left over from a session that is gone: the program runs on Wayland all the same.
phase="Wayland beside a stale DISPLAY"
start_program WAYLAND_DISPLAY="$WAYLAND_DISPLAY" DISPLAY="$stale_display"
wait_for_only "Quarnix | GTA Pick"
[ "$(windows_through xdg_shell)" = "Quarnix | GTA Pick" ] ||
    fail "with DISPLAY=$stale_display naming no X server the main window is not on Wayland"
# The main window's confirmation opens on Yes.
keys Tab Tab Tab Return
wait_for_focus_over "Quarnix | Exit?" "Quarnix | GTA Pick"
keys Return
expect_clean_end
stop_sway

# Wayland with Xwayland: the program chooses X, where it can place its windows.
phase="Wayland with Xwayland"
start_sway force
[ -n "$x_display" ] || fail "sway started no X server"
start_program WAYLAND_DISPLAY="$WAYLAND_DISPLAY" DISPLAY="$x_display"
wait_for_only "Quarnix | GTA Pick"
[ "$(windows_through xwayland)" = "Quarnix | GTA Pick" ] || fail "the main window is not on X"
# The main window's confirmation opens on Yes.
x_keys Tab Tab Tab Return
wait_for_focus_over "Quarnix | Exit?" "Quarnix | GTA Pick"
x_keys Return
expect_clean_end

# A screen that the X server does not have is no display either, where Qt would abort.
phase="a screen the X server lacks"
expect_no_display "DISPLAY=$x_display.1, a screen Xwayland lacks, and no Wayland compositor" \
    DISPLAY="$x_display.1"

echo "passed without a display, and on sway, headless, with and without Xwayland and with a" \
    "stale DISPLAY or a missing screen, in $((SECONDS - start)) s"
