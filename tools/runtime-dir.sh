# Sourced by run.sh and test.sh: Qt wants a private runtime folder, and a root shell, a bare
# session or a CI machine has none. It goes where Qt's own fallback would, in the temporary
# folder TMPDIR names (else /tmp). A folder of that name that another user made is not
# private, so then a fresh one is made.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    XDG_RUNTIME_DIR="${TMPDIR:-/tmp}/runtime-$(id -u)"
    mkdir -p -m 700 "$XDG_RUNTIME_DIR" 2>/dev/null || true
    if [ ! -O "$XDG_RUNTIME_DIR" ] || [ ! -d "$XDG_RUNTIME_DIR" ]; then
        XDG_RUNTIME_DIR="$(mktemp -d)"
    fi
    chmod 700 "$XDG_RUNTIME_DIR"
    export XDG_RUNTIME_DIR
fi
