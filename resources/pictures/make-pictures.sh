#!/usr/bin/env bash
# Remakes the program's pictures (splash, game badges, window icon) with
# ImageMagick. All lettering is our own: stock URW fonts, outlines and colours.
# Needs: ImageMagick 6 or 7, and the Debian package fonts-urw-base35.
# Usage: bash make-pictures.sh   (from any folder; writes the PNGs beside itself)
# Every picture comes twice: <name>.png and <name>@2x.png, the second drawn at twice the
# size (not enlarged from the first) for screens scaled by 2.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

if command -v magick >/dev/null 2>&1; then
  im=(magick)
else
  im=(convert)
fi

# Fonts (all from fonts-urw-base35).
font_title="NimbusSans-Bold"       # heavy grotesque for the "GTA" lettering
font_name="URWGothic-DemiOblique"  # geometric slanted face for "Quarnix"
font_numeral="P052-Bold"           # bold serif for the numeral "III"
font_script="Z003-MediumItalic"    # chancery-style script for the subtitles

# ImageMagick only warns about a missing font and falls back to another, so
# stop early instead of drawing with the wrong face.
known_fonts="$("${im[@]}" -list font)"
for f in "$font_title" "$font_name" "$font_numeral" "$font_script"; do
  if ! grep -qx "  Font: $f" <<<"$known_fonts"; then
    echo "font $f not found; install fonts-urw-base35" >&2
    exit 1
  fi
done

# Every length below (point sizes, outlines, offsets, margins, picture sizes) is given for
# the 1x picture and multiplied by this while drawing.
scale=1

# text_layer OUT FONT POINTSIZE FILL OUTLINE OUTLINE_PX TEXT [KERNING]
# Renders TEXT on a transparent ground, outlined OUTLINE_PX pixels outside the
# glyphs (the fill is drawn over the stroke so the glyph body keeps its width),
# and trims the result tightly.
text_layer() {
  local out="$1" font="$2" size="$3" fill="$4" outline="$5" px="$6" text="$7"
  local kern="$((${8:-0} * scale))"
  size="$((size * scale))"
  px="$((px * scale))"
  local args=(-size "$((1600 * scale))x$((600 * scale))" xc:none -font "$font" -pointsize "$size"
              -gravity center -kerning "$kern")
  if [[ "$px" != 0 ]]; then
    args+=(-fill "$outline" -stroke "$outline" -strokewidth "$((px * 2))"
           -annotate +0+0 "$text")
  fi
  args+=(-stroke none -fill "$fill" -annotate +0+0 "$text" -trim +repage)
  "${im[@]}" "${args[@]}" "$work/$out"
}

# shadowed OUT IN DX DY COLOUR: adds a flat offset shadow under a layer.
shadowed() {
  local out="$1" in="$2" dx="$(($3 * scale))" dy="$(($4 * scale))" colour="$5"
  "${im[@]}" \( "$work/$in" -fill "$colour" -colorize 100 -repage "+${dx}+${dy}" \) \
    \( "$work/$in" -repage +0+0 \) \
    -background none -layers merge +repage "$work/$out"
}

# compose OUT WIDTH HEIGHT MARGIN GAP LAYER... : stacks the layers vertically,
# centred, GAP pixels apart, shrinks the stack only if it would break the
# margin, and centres it on a white ground of exactly WIDTH x HEIGHT. OUT is
# the 1x name; the @2x picture gets the suffix.
compose() {
  local out="$1" w="$(($2 * scale))" h="$(($3 * scale))" margin="$(($4 * scale))"
  local gap="$(($5 * scale))"
  if [[ $scale != 1 ]]; then
    out="${out%.png}@${scale}x.png"
  fi
  shift 5
  local stack=()
  local first=1 layer
  for layer in "$@"; do
    if [[ $first == 0 ]]; then
      stack+=(-size "1x${gap}" xc:none)
    fi
    stack+=("$work/$layer")
    first=0
  done
  "${im[@]}" -background none "${stack[@]}" -gravity center -append \
    -resize "$((w - 2 * margin))x$((h - 2 * margin))>" \
    +repage -background white -gravity center -extent "${w}x${h}" +repage \
    -flatten -alpha off -strip -define png:color-type=2 \
    "PNG24:$here/$out"
}

for scale in 1 2; do

# --- splash: "GTA" above "Quarnix" -----------------------------------------
text_layer gta_big.png "$font_title" 120 white black 6 "GTA" -4
shadowed gta_big_s.png gta_big.png 5 5 "#9a9a9a"
text_layer quarnix_big.png "$font_name" 62 "#1f5fd6" "#0b2a6b" 2 "Quarnix" 1
shadowed quarnix_big_s.png quarnix_big.png 3 3 "#b8c8e8"
compose splash.png 333 227 16 10 gta_big_s.png quarnix_big_s.png

# --- GTA III ----------------------------------------------------------------
text_layer gta_mid.png "$font_title" 84 white black 5 "GTA" -3
shadowed gta_mid_s.png gta_mid.png 4 4 "#9a9a9a"
text_layer three.png "$font_numeral" 108 black black 0 "III" 8
compose gta3.png 200 200 16 8 gta_mid_s.png three.png

# --- GTA Vice City ----------------------------------------------------------
text_layer vice.png "$font_script" 60 "#ff3fa4" "#8a0f52" 1 "Vice City"
compose gtavc.png 200 200 14 6 gta_mid_s.png vice.png

# --- GTA San Andreas --------------------------------------------------------
text_layer andreas.png "$font_script" 46 black black 1 "San Andreas"
compose gtasa.png 200 200 12 6 gta_mid_s.png andreas.png

# --- window icon: a reduced splash -------------------------------------------
text_layer gta_icon.png "$font_title" 36 white black 3 "GTA" -1
text_layer quarnix_icon.png "$font_name" 19 "#1f5fd6" "#0b2a6b" 0 "Quarnix"
compose icon.png 80 80 4 3 gta_icon.png quarnix_icon.png

done

echo "pictures written to $here"
