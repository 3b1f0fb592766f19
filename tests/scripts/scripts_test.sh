#!/usr/bin/env bash
# Drives run.sh, test.sh and tools/install-deps.sh as a person would, on copies of them, with
# fakes of apt-get, dpkg-query, sudo, cmake and ctest first in PATH: nothing is installed or
# built. The scripts run as a user who is not root, as most people do.
# Usage: scripts_test.sh REPO-DIR [WORK-DIR]   (REPO-DIR holds run.sh, test.sh and tools/;
# WORK-DIR, emptied first, holds the test's files, else a new folder under /tmp)
set -euo pipefail

src="$(cd "${1:?usage: scripts_test.sh REPO-DIR [WORK-DIR]}" && pwd)"

as_user=()
if [ "$(id -u)" -eq 0 ]; then
    as_user=("$(command -v setpriv)" --reuid=nobody --regid=nogroup --clear-groups)
    user_name=nobody
else
    user_name="$(id -un)"
fi

# A run killed at its time limit never reaches its trap: in the build tree, what it leaves is
# cleared by the next run and never stays in /tmp. Where the user cannot enter it (a clone in
# /root), /tmp after all.
if [ -n "${2:-}" ] && rm -rf "$2" && mkdir -p -m 755 "$2" && "${as_user[@]}" test -x "$2"; then
    work="$(cd "$2" && pwd)"
else
    work="$(mktemp -d)"
fi
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"

# The fakes log each call to $FAKE_CALLS, one line each.
mkdir "$work/fake" "$work/sudo" "$work/sys"
cat >"$work/fake/dpkg-query" <<'EOF'
#!/bin/bash
# Reports the packages in $FAKE_MISSING as not installed, every other one as installed.
pkg="${!#}"
for m in ${FAKE_MISSING:-}; do
    if [ "$m" = "$pkg" ]; then
        echo "dpkg-query: no packages found matching $pkg" >&2
        exit 1
    fi
done
printf 'install ok installed'
EOF
cat >"$work/fake/apt-get" <<'EOF'
#!/bin/bash
# As chatty as the real one; with $FAKE_APT_FAIL set, the install step fails at the end.
echo "apt-get $*" >>"$FAKE_CALLS"
step=update
[[ " $* " == *" install "* ]] && step=install
for i in $(seq 200); do echo "apt-get $step output line $i"; done
if [ "$step" = install ] && [ -n "${FAKE_APT_FAIL:-}" ]; then
    echo "E: Unable to fetch some archives" >&2
    exit 100
fi
EOF
cat >"$work/sudo/sudo" <<'EOF'
#!/bin/bash
# With $FAKE_SUDO_REFUSES set, says what sudo says to a user who is not in the sudoers file.
echo "sudo $*" >>"$FAKE_CALLS"
if [ -n "${FAKE_SUDO_REFUSES:-}" ]; then
    [ "$1" = -n ] || echo "[sudo] password for $(id -un):" >&2
    echo "$(id -un) is not in the sudoers file." >&2
    exit 1
fi
while [[ "$1" == -* ]]; do
    [ "$1" = -v ] && exit 0
    shift
done
exec "$@"
EOF
cat >"$work/fake/cmake" <<'EOF'
#!/bin/bash
# With $FAKE_BUILD_OUTPUT set, a build prints as much as a real one, and with $FAKE_BUILD_FAIL
# also set it fails with a compiler's error.
echo "cmake $*" >>"$FAKE_CALLS"
if [ "$1" = --build ] && [ -n "${FAKE_BUILD_OUTPUT:-}" ]; then
    for i in $(seq 100); do echo "[$i/100] Building CXX object file$i.cpp.o"; done
    if [ -n "${FAKE_BUILD_FAIL:-}" ]; then
        echo "app/main.cpp:1:1: error: expected ';' before '}' token" >&2
        exit 2
    fi
fi
EOF
for tool in ctest clang-format git; do
    cat >"$work/fake/$tool" <<'EOF'
#!/bin/bash
echo "${0##*/} $*" >>"$FAKE_CALLS"
EOF
done
chmod 755 "$work"/fake/* "$work"/sudo/*
# The real tools the scripts use, and no others: no sudo unless a case adds it.
for tool in bash cat chmod dirname env grep id mkdir mktemp nproc perl seq stat tail; do
    ln -s "$(command -v "$tool")" "$work/sys/$tool"
done

# The scripts' temporary files go here, not into /tmp, and go with $work.
mkdir -m 1777 "$work/tmp"

# A Wayland desktop, as far as run.sh can see one: the compositor's socket.
make_socket() {
    perl -MSocket -e 'socket(my $s, AF_UNIX, SOCK_STREAM, 0) or die "$!\n";
        bind($s, pack_sockaddr_un($ARGV[0])) or die "$ARGV[0]: $!\n"' "$1"
}
make_socket "$work/wayland-0"
desktop="WAYLAND_DISPLAY=$work/wayland-0"

# An X display that no server holds: no socket, no lock.
stale_display=""
for n in $(seq 77 200); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ] &&
        ! grep -q "@/tmp/.X11-unix/X$n\$" /proc/net/unix; then
        stale_display=":$n"
        break
    fi
done

passed=0
failed=0
box=""
rc=0
case_ok=true

# A fresh copy of the scripts, owned by the user who runs them, with a fake program to start.
new_box() {
    box="$work/box$((passed + failed))-$RANDOM"
    mkdir -p "$box/tools" "$box/build-run"
    cp "$src/run.sh" "$src/test.sh" "$box/"
    cp "$src/tools/install-deps.sh" "$src/tools/runtime-dir.sh" "$box/tools/"
    cat >"$box/build-run/quarnix" <<'EOF'
#!/bin/bash
echo "the program's own output"
echo "quarnix $* runtime=${XDG_RUNTIME_DIR:-} $(stat -c '%a %U' "${XDG_RUNTIME_DIR:-/nonexistent}" 2>&1)" >>"$FAKE_CALLS"
EOF
    chmod 755 "$box/build-run/quarnix"
    : >"$box/calls"
    if [ ${#as_user[@]} -gt 0 ]; then
        chown -R nobody:nogroup "$box"
    fi
}

# run [VAR=VALUE ...] [--as-root] [--sudo] [--x-sockets DIR] SCRIPT ARGS...: runs in the box
# with a clean environment (no DISPLAY, no WAYLAND_DISPLAY), as the user unless --as-root, and
# (as root) with DIR mounted on /tmp/.X11-unix for it alone: a killed run leaves no mount.
run() {
    local vars=() user=("${as_user[@]}") path="$work/fake:$work/sys" sockets=()
    while [[ "$1" == *=* ]]; do
        vars+=("$1")
        shift
    done
    [ "$1" = --as-root ] && { user=(); shift; }
    [ "$1" = --sudo ] && { path="$work/sudo:$path"; shift; }
    if [ "$1" = --x-sockets ]; then
        sockets=(unshare --mount bash -c 'mount --bind "$0" /tmp/.X11-unix && exec "$@"' "$2")
        shift 2
    fi
    rc=0
    (cd "$box" && "${sockets[@]}" "${user[@]}" env -i PATH="$path" HOME="$box" TMPDIR="$work/tmp" \
        FAKE_CALLS="$box/calls" "${vars[@]}" "$@" >"$box/out" 2>"$box/err") || rc=$?
}

expect() {
    local what="$1"
    shift
    if ! "$@"; then
        echo "    expected $what"
        echo "    (exit code $rc; stdout, stderr, calls:)"
        sed 's/^/      | /' "$box/out" "$box/err" "$box/calls" | tail -n 40
        case_ok=false
    fi
}
not() { ! "$@"; }
one_usage_line_on_stderr() { [ "$(wc -l <"$box/err")" -eq 1 ] && grep -q "^usage: " "$box/err"; }
said() { grep -qE -- "$1" "$box/out" "$box/err"; }
called() { grep -qE -- "$1" "$box/calls"; }
nothing_called() { [ ! -s "$box/calls" ]; }
failed_with_code() { [ "$rc" -ne 0 ] && [ "$rc" -ne 127 ]; }
printed_lines() { [ "$(cat "$box/out" "$box/err" | wc -l)" -le "$1" ]; }

check() {
    case_ok=true
    "$1"
    if $case_ok; then
        echo "ok: $1"
        passed=$((passed + 1))
    else
        echo "FAILED: $1"
        failed=$((failed + 1))
    fi
}

a_user_installs_through_sudo_or_is_told_the_line_for_root() {
    new_box
    run FAKE_MISSING="cmake xvfb" ./test.sh Gta3
    expect "a plain failure" failed_with_code
    expect "the install line for every missing package" said 'apt-get install cmake xvfb$'
    expect "no 'command not found'" not said "not found"
    expect "no install and no build" nothing_called

    new_box
    run FAKE_MISSING="cmake xvfb" "$desktop" ./run.sh
    expect "a plain failure" failed_with_code
    expect "the install line, without the tests' packages" said 'apt-get install cmake$'
    expect "no install and no build" nothing_called

    new_box
    run FAKE_MISSING="cmake" --sudo ./test.sh Gta3
    expect "success" test "$rc" -eq 0
    expect "apt-get through sudo" called '^sudo .*apt-get .*install .*cmake$'
    expect "the build after the install" called '^cmake --build build'

    # sudo that is there but refuses this user is no better than none.
    new_box
    run FAKE_MISSING="cmake xvfb" FAKE_SUDO_REFUSES=1 --sudo ./test.sh Gta3
    expect "a plain failure" failed_with_code
    expect "the install line for every missing package" said 'apt-get install cmake xvfb$'
    expect "no failed install" not said "apt-get exit code"
    expect "no install and no build" not called '^(apt-get|cmake)'

    if [ ${#as_user[@]} -gt 0 ]; then
        new_box
        run FAKE_MISSING="cmake" --as-root --sudo ./test.sh Gta3
        expect "success" test "$rc" -eq 0
        expect "apt-get without sudo" called '^apt-get .*install .*cmake$'
        expect "no sudo" not called "^sudo"
    fi
}

# The one line that says no display can be opened, on stderr, naming both variables.
said_no_display() {
    [ "$rc" -eq 1 ] && [ ! -s "$box/out" ] && [ "$(wc -l <"$box/err")" -eq 1 ] &&
        grep -q 'needs a graphical desktop.*DISPLAY.*WAYLAND_DISPLAY' "$box/err"
}

without_a_display_run_sh_stops_before_installing() {
    new_box
    run FAKE_MISSING="cmake" ./run.sh
    expect "the one line, exit code 1" said_no_display
    expect "no package check, no install, no build" nothing_called

    # A DISPLAY left over from a session that is gone. As root, the socket file its killed
    # server left is there too, which no server holds. (In a chroot, where / is no mount point,
    # unshare cannot keep that folder's mount to run.sh alone.)
    local sockets=()
    if [ ${#as_user[@]} -gt 0 ] && unshare --mount true 2>/dev/null; then
        mkdir -p -m 1777 /tmp/.X11-unix "$work/x"
        make_socket "$work/x/X${stale_display#:}"
        sockets=(--x-sockets "$work/x")
    fi
    new_box
    run FAKE_MISSING="cmake" DISPLAY="$stale_display" "${sockets[@]}" ./run.sh
    expect "the one line, exit code 1" said_no_display
    expect "the display named" said "DISPLAY=$stale_display"
    expect "no package check, no install, no build" nothing_called

    new_box
    run DISPLAY="$stale_display" WAYLAND_DISPLAY=wayland-quarnix-none ./run.sh
    expect "the one line, exit code 1" said_no_display
    expect "no package check, no install, no build" nothing_called

    new_box
    mkdir "$box/xdg"
    make_socket "$box/xdg/wayland-0"
    run DISPLAY="$stale_display" XDG_RUNTIME_DIR="$box/xdg" WAYLAND_DISPLAY=wayland-0 ./run.sh
    expect "a Wayland desktop beside a stale DISPLAY to be enough" called '^quarnix'

    # A local X server that listens only in Linux's abstract namespace, as Xwayland may.
    local number="${stale_display#:}" listener
    perl -MSocket -e 'socket(my $s, AF_UNIX, SOCK_STREAM, 0) or die "$!\n";
        bind($s, pack_sockaddr_un("\0/tmp/.X11-unix/X$ARGV[0]")) && listen($s, 1) or die "$!\n";
        sleep 30' "$number" &
    listener=$!
    for _ in $(seq 50); do
        grep -q "@/tmp/.X11-unix/X$number\$" /proc/net/unix && break
        sleep 0.1
    done
    new_box
    run DISPLAY="$stale_display" ./run.sh
    kill "$listener"
    wait "$listener" 2>/dev/null || true
    expect "an X server to be enough" called '^quarnix'
}

run_sh_gives_the_program_a_private_runtime_folder() {
    # A folder of the usual name that someone else made first is not taken. (An empty one of
    # the user's own is what an earlier run left.)
    if [ ${#as_user[@]} -gt 0 ]; then
        local taken
        taken="$work/tmp/runtime-$(id -u nobody)"
        rm -rf "$taken"
        mkdir -m 777 "$taken"
        new_box
        run "$desktop" ./run.sh
        rmdir "$taken"
        expect "a fresh folder of the user's, mode 700" called \
            "^quarnix +runtime=$work/tmp/tmp[^ ]* 700 $user_name$"
    fi

    # In the temporary folder the user's TMPDIR names, as Qt's own fallback is.
    new_box
    run "$desktop" ./run.sh
    expect "the program started" called '^quarnix'
    expect "a runtime folder of the user's, mode 700" called \
        "^quarnix +runtime=$work/tmp/runtime-[0-9]+ 700 $user_name$"
}

# refused SCRIPT ARGS...: refused with one usage line on stderr, before doing anything.
refused() {
    new_box
    run DISPLAY=:99 "$@"
    expect "a failure for: $*" failed_with_code
    expect "one usage line on stderr for: $*" \
        one_usage_line_on_stderr
    expect "nothing run for: $*" nothing_called
}

# helped SCRIPT ARGS...: prints the usage and succeeds, doing nothing else.
helped() {
    new_box
    run "$@"
    expect "success for: $*" test "$rc" -eq 0
    expect "the usage on stdout for: $*" grep -q "^usage: " "$box/out"
    expect "nothing run for: $*" nothing_called
}

arguments_that_are_not_understood_are_refused() {
    refused ./test.sh Gta3 Extra
    refused ./test.sh --verbose
    refused ./test.sh ''
    refused ./run.sh Extra
    refused ./run.sh -h Extra
    helped ./test.sh -h
    helped ./test.sh --help
    helped ./run.sh --help

    new_box
    run ./test.sh 'Mailto|Composer'
    expect "the one pattern to reach ctest" called '^ctest .*-R Mailto\|Composer$'
}

the_install_prints_one_line_per_step() {
    local command log
    for command in "test.sh Gta3" "run.sh"; do
        log=build/install.log
        [ "$command" = run.sh ] && log=build-run/install.log
        new_box
        # Word splitting of the fixed commands above is meant.
        # shellcheck disable=SC2086
        run FAKE_MISSING="cmake" "$desktop" --sudo ./$command
        expect "success of $command" test "$rc" -eq 0
        expect "at most 4 lines from $command" printed_lines 4
        expect "apt-get's whole output in $log" grep -qs "install output line 200" "$box/$log"

        new_box
        # shellcheck disable=SC2086
        run "$desktop" --sudo ./$command
        expect "at most 1 line from $command when nothing is missing" printed_lines 1
        expect "no apt-get from $command when nothing is missing" not called "^apt-get"
    done
}

a_failed_install_shows_the_end_of_its_log() {
    new_box
    run FAKE_MISSING="cmake" FAKE_APT_FAIL=1 --sudo ./test.sh Gta3
    expect "a plain failure" failed_with_code
    expect "the log's last lines" said 'install output line 200$'
    expect "apt-get's error" said '^E: Unable to fetch'
    expect "not the whole log" not said "install output line 100$"
    expect "the log's path" said 'build/install.log'
    expect "no build" not called "^cmake"
}

# A second start, with nothing to install and the build up to date, shows only the program; the
# build shows itself only when it fails.
run_sh_shows_the_build_only_when_it_fails() {
    new_box
    run FAKE_BUILD_OUTPUT=1 "$desktop" ./run.sh
    expect "the program's output and nothing else" \
        test "$(cat "$box/out" "$box/err")" = "the program's own output"

    new_box
    run FAKE_BUILD_OUTPUT=1 FAKE_BUILD_FAIL=1 "$desktop" ./run.sh
    expect "a plain failure" failed_with_code
    expect "the compiler's error" said "error: expected ';'"
    expect "not the whole build" not said "Building CXX object file50\.cpp\.o$"
    expect "the log's path" said 'build-run/build\.log'
    expect "the program not started" not called '^quarnix'
}

check a_user_installs_through_sudo_or_is_told_the_line_for_root
check without_a_display_run_sh_stops_before_installing
check run_sh_gives_the_program_a_private_runtime_folder
check arguments_that_are_not_understood_are_refused
check the_install_prints_one_line_per_step
check a_failed_install_shows_the_end_of_its_log
check run_sh_shows_the_build_only_when_it_fails

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
