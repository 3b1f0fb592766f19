#!/usr/bin/env bash
# Runs ./test.sh in a fresh minimal Debian root of the given release, made with mmdebstrap, on
# a clone of what is committed in this repository: it shows that a bare machine of that
# release installs what it needs and passes. Runs as root; removes the root afterwards, also
# on failure or Ctrl+C. Exits with test.sh's exit code.
set -euo pipefail

usage="usage: tools/test-in-fresh-root.sh RELEASE [CTEST-PATTERN]   (RELEASE: bookworm, trixie, 12, 13 ...)"
if [ $# -eq 1 ] && { [ "$1" = -h ] || [ "$1" = --help ]; }; then
    echo "$usage"
    exit 0
fi
if [ $# -lt 1 ] || [ $# -gt 2 ] || { [ $# -eq 2 ] && [[ "$2" == -* || -z "$2" ]]; }; then
    echo "$usage" >&2
    exit 2
fi
case "$1" in
    12) release=bookworm ;;
    13) release=trixie ;;
    14) release=forky ;;
    [a-z]*[a-z]) release="$1" ;;
    *) echo "$usage" >&2; exit 2 ;;
esac
[[ "$release" =~ ^[a-z-]+$ ]] || { echo "$usage" >&2; exit 2; }
pattern=("${@:2}")

step() { echo "fresh-root: $*"; }

if [ "$(id -u)" -ne 0 ]; then
    echo "fresh-root: must run as root: it makes a Debian root and mounts /proc, /sys and /dev into it." >&2
    exit 1
fi

# In mount and PID namespaces of its own, the mounts below never show on the host, and they and
# whatever the tests leave running end with this script, even if it is killed.
if [ $$ -ne 1 ]; then
    exec unshare --mount --propagation private --pid --fork --kill-child --mount-proc \
        "$BASH" "$0" "$@"
fi

repo="$(git -C "$(dirname "$0")" rev-parse --show-toplevel)"
if [ -n "$(git -C "$repo" status --porcelain --untracked-files=no)" ]; then
    step "note: changes not committed in $repo are not tested"
fi

# The root and every log live in one folder, removed at the end.
work="$(mktemp -d -p "${TMPDIR:-/var/tmp}" quarnix-fresh-root.XXXXXX)"
root="$work/root"

# Anything mounted under the folder, as findmnt sees it.
# shellcheck disable=SC2317 # these run from the traps
mounted_under_work() {
    findmnt -rn -o TARGET | while read -r target; do
        target="$(printf '%b' "$target")"
        case "$target" in "$work" | "$work"/*) echo "$target" ;; esac
    done
}

# shellcheck disable=SC2317
unmount_all() {
    local target
    # Deepest first; this also catches what an interrupted mmdebstrap left mounted.
    mounted_under_work | sort -r | while read -r target; do
        # A process still holding a file there makes a plain umount fail; the lazy one
        # detaches the mount now and finishes once the process lets go.
        umount "$target" 2>/dev/null || umount -l "$target"
    done
}

# shellcheck disable=SC2317
cleanup() {
    local status=$?
    trap - EXIT INT TERM
    set +e
    unmount_all
    local left
    left="$(mounted_under_work)"
    if [ -n "$left" ]; then
        # Removing through a live mount would delete the host's own /dev or /sys contents.
        echo "fresh-root: still mounted, so $work is left in place:" >&2
        echo "$left" >&2
        exit 1
    fi
    step "removing $work"
    rm -rf --one-file-system "$work"
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

if ! command -v mmdebstrap >/dev/null; then
    step "installing mmdebstrap (log: $work/install.log)"
    if ! { apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y mmdebstrap; } \
        >"$work/install.log" 2>&1; then
        tail -n 30 "$work/install.log" >&2
        echo "fresh-root: installing mmdebstrap failed" >&2
        exit 1
    fi
fi

step "making a minimal $release root in $root"
# A Release file of sid's names a date after which apt refuses it, and a mirror that lags
# a few days is past it; the root is for tests, so its apt (set here for good) takes it.
if ! mmdebstrap --variant=minbase --include=git,ca-certificates \
    --aptopt='Acquire::Check-Valid-Until "false"' "$release" "$root" \
    >"$work/mmdebstrap.log" 2>&1; then
    tail -n 30 "$work/mmdebstrap.log" >&2
    echo "fresh-root: mmdebstrap failed" >&2
    exit 1
fi

step "cloning $repo at $(git -C "$repo" rev-parse --short HEAD)"
# No hard links: nothing in the root can touch this repository's objects.
git clone --quiet --no-hardlinks "$repo" "$root/src/quarnix"

step "mounting /proc, /sys, /dev, /dev/pts and a /dev/shm of its own"
mount -t proc proc "$root/proc"
mount --bind /sys "$root/sys"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
# Shared memory the tests leave behind goes with the root, not into the host's /dev.
mount -t tmpfs -o mode=1777,nosuid,nodev shm "$root/dev/shm"
# Removed first: a symlink there would point cp at a file of the host.
rm -f "$root/etc/resolv.conf"
cp /etc/resolv.conf "$root/etc/resolv.conf"

step "running ./test.sh${pattern[*]:+ ${pattern[*]}} in the root"
status=0
chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin \
    LANG=C.UTF-8 TERM="${TERM:-dumb}" CI="${CI:-}" \
    /src/quarnix/test.sh "${pattern[@]}" || status=$?
step "test.sh exited with $status"

step "unmounting"
unmount_all
exit "$status"
