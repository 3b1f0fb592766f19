#!/usr/bin/env bash
# Runs a command on a private X server as in a desktop session that brings its own Qt platform
# theme, with the settings a user of that desktop has: the theme hands the program the
# desktop's font and colours, which a style alone (QT_STYLE_OVERRIDE) does not.
#   session-look.sh LOOK COMMAND [ARGS...]
# LOOK: GNOME (Qt's choice for a GNOME session), GTK (the gtk3 theme), Qt6ct, Qt6ct20pt,
# PlasmaLight or PlasmaDark. The command is told which font the desktop must hand out
# (QUARNIX_EXPECT_DESKTOP_FONT), so that a theme that is not installed fails instead of
# leaving Qt's own defaults in force.
set -euo pipefail

look="$1"
shift
config="$(mktemp -d)"
trap 'rm -rf "$config"' EXIT
export XDG_CONFIG_HOME="$config"
unset QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE KDE_FULL_SESSION KDE_SESSION_VERSION

gtk_font() {
    mkdir -p "$config/gtk-3.0"
    printf '[Settings]\ngtk-font-name=Cantarell 11\n' >"$config/gtk-3.0/settings.ini"
    export QUARNIX_EXPECT_DESKTOP_FONT=Cantarell
}
qt6ct() {
    mkdir -p "$config/qt6ct"
    printf '[Appearance]\nstyle=Fusion\n[Fonts]\ngeneral="DejaVu Sans,%s,-1,5,400,0,0,0,0,0,0,0,0,0,0,1"\n' \
        "$1" >"$config/qt6ct/qt6ct.conf"
    export QT_QPA_PLATFORMTHEME=qt6ct QUARNIX_EXPECT_DESKTOP_FONT="DejaVu Sans"
}
# Plasma writes the chosen colour scheme into kdeglobals; with no font there, its own default.
plasma() {
    local scheme="/usr/share/color-schemes/$1.colors"
    [ -r "$scheme" ] || { echo "colour scheme $scheme is not installed" >&2; exit 1; }
    { printf '[General]\nColorScheme=%s\n\n[KDE]\nwidgetStyle=Breeze\n\n' "$1"; cat "$scheme"; } \
        >"$config/kdeglobals"
    export QT_QPA_PLATFORMTHEME=kde KDE_FULL_SESSION=true KDE_SESSION_VERSION=6
    export XDG_CURRENT_DESKTOP=KDE QUARNIX_EXPECT_DESKTOP_FONT="Noto Sans"
}

case "$look" in
    GNOME) gtk_font && export XDG_CURRENT_DESKTOP=GNOME ;;
    GTK) gtk_font && export QT_QPA_PLATFORMTHEME=gtk3 XDG_CURRENT_DESKTOP=GNOME ;;
    Qt6ct) qt6ct 10 ;;
    Qt6ct20pt) qt6ct 20 ;;
    PlasmaLight) plasma BreezeLight ;;
    PlasmaDark) plasma BreezeDark ;;
    *) echo "unknown desktop look: $look" >&2; exit 2 ;;
esac

"$(dirname "$0")/run-on-x.sh" "$@"
