#!/usr/bin/env bash
# Runs a command on a system whose only fonts are those of one family, so that family is the
# desktop's default and every fallback: usage: with-only-family.sh "<family>" command...
set -euo pipefail

family="$1"
shift
files="$(fc-list ":family=$family" file | sed 's/: *$//')"
if [ -z "$files" ]; then
    echo "The font family \"$family\" is not installed." >&2
    exit 1
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir "$work/fonts"
while IFS= read -r file; do
    ln -s "$file" "$work/fonts/"
done <<<"$files"
cat >"$work/fonts.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <dir>$work/fonts</dir>
  <cachedir>$work/cache</cachedir>
  <include ignore_missing="yes">/etc/fonts/conf.d</include>
</fontconfig>
CONF

export FONTCONFIG_FILE="$work/fonts.conf"
if [ "$(fc-match -f '%{family[0]}' sans-serif)" != "$family" ]; then
    echo "Could not make \"$family\" the default family." >&2
    exit 1
fi
"$@"
