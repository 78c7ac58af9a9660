#!/bin/bash
# Draws the launcher's pictures with ImageMagick:
#   launcher_data/images/launcher_background.png   window background, 941 x 615
#   launcher_data/images/horiz_div_line.png        divider under each entry
#   launcher_data/en/icons/*.png                   48 x 48 entry icons
#   src/resources/icon.png                         32 x 32 window icon
#
# Run from anywhere; the files are written relative to the repository.
# Re-running gives the same bytes: metadata and time stamps are left out.
# Needs `convert` (Debian package imagemagick).

set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
images="$root/launcher_data/images"
icons="$root/launcher_data/en/icons"
resources="$root/src/resources"

if ! command -v convert >/dev/null 2>&1; then
    echo "make_pictures.sh: ImageMagick's convert is needed (apt-get install imagemagick)" >&2
    exit 1
fi

mkdir -p "$images" "$icons" "$resources"

# Work in a private folder, so half-written files never replace good ones.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Options that keep the output free of anything that changes between runs.
quiet=(-strip -define 'png:exclude-chunks=date,time')

# Icons are drawn four times larger and scaled down, for smooth edges.
big=192

# ---------------------------------------------------------------------------
# Window background, 941 x 615, RGB.
# The program draws light grey text on it: masthead at (150, 33), entries in
# the left column (x 30-506, y 100-600), heading and description in the right
# column (x 546-941, y 105-590). All of these stay dark.
# ---------------------------------------------------------------------------
W=941
H=615

# Deep slate-blue, lighter at the top.
convert -size ${W}x${H} gradient:'#1d2c42-#0a111b' \
    "$work/base.png"

# A soft glow in the upper right and a fainter one low on the left.
convert -size ${W}x${H} xc:black \
    -fill '#162c47' -draw 'circle 880,0 880,200' \
    -fill '#0f2034' -draw 'circle 60,660 60,840' \
    -blur 0x60 \
    "$work/glow.png"

# Masthead band across the top, with a thin amber rule fading to the right.
convert -size ${W}x${H} xc:none \
    -fill 'rgba(255,255,255,0.045)' -draw 'rectangle 0,18 940,64' \
    "$work/band.png"
convert -size 2x${W} gradient:'#d9a441-#0e1724' -rotate -90 \
    "$work/rule_colour.png"
convert -size 2x${W} gradient:'gray85-black' -rotate -90 \
    "$work/rule_alpha.png"
convert "$work/rule_colour.png" "$work/rule_alpha.png" \
    -alpha off -compose CopyOpacity -composite \
    "$work/rule.png"

# Emblem left of the masthead text: concentric rings around an amber dot.
convert -size ${W}x${H} xc:none \
    -fill none -stroke 'rgba(217,164,65,0.55)' -strokewidth 2 \
    -draw 'circle 110,41 110,58' \
    -stroke 'rgba(255,255,255,0.12)' -strokewidth 1.5 \
    -draw 'circle 110,41 110,66' \
    -stroke none -fill 'rgba(217,164,65,0.85)' \
    -draw 'circle 110,41 110,48' \
    "$work/emblem.png"

# Panel behind the right-hand text column.
convert -size ${W}x${H} xc:none \
    -fill 'rgba(120,150,190,0.07)' -stroke 'rgba(255,255,255,0.08)' \
    -strokewidth 1 \
    -draw 'roundrectangle 530,86 926,602 14,14' \
    "$work/panel.png"

# Faint arcs in the top right corner and the bottom left corner.
convert -size ${W}x${H} xc:none -fill none \
    -stroke 'rgba(255,255,255,0.06)' -strokewidth 2 \
    -draw 'circle 900,-30 900,150' \
    -stroke 'rgba(255,255,255,0.04)' -strokewidth 2 \
    -draw 'circle 900,-30 900,200' \
    -stroke 'rgba(217,164,65,0.10)' -strokewidth 1.5 \
    -draw 'circle 900,-30 900,122' \
    -stroke 'rgba(255,255,255,0.035)' -strokewidth 2 \
    -draw 'circle -40,660 -40,820' \
    -stroke 'rgba(255,255,255,0.025)' -strokewidth 2 \
    -draw 'circle -40,660 -40,870' \
    "$work/arcs.png"

convert "$work/base.png" \
    "$work/glow.png" -compose Screen -composite \
    -compose Over \
    "$work/arcs.png" -composite \
    "$work/band.png" -composite \
    "$work/rule.png" -geometry +0+64 -composite \
    "$work/emblem.png" -composite \
    "$work/panel.png" -composite \
    -alpha off -depth 8 -type TrueColor "${quiet[@]}" \
    "PNG24:$images/launcher_background.png"

# ---------------------------------------------------------------------------
# Divider under each entry: 420 x 2, light, fading out to the right.
# ---------------------------------------------------------------------------
convert -size 2x420 gradient:'gray45-black' -rotate -90 \
    -sigmoidal-contrast 3,70% \
    "$work/divider_alpha.png"
convert -size 420x2 xc:'#dfe6ee' "$work/divider_alpha.png" \
    -alpha off -compose CopyOpacity -composite \
    "${quiet[@]}" "PNG32:$images/horiz_div_line.png"

# ---------------------------------------------------------------------------
# Entry icons, 48 x 48 RGBA. Drawn at 192 x 192 and scaled down.
# ---------------------------------------------------------------------------
finish_icon() {
    # $1 = drawn picture, $2 = output file, $3 = size
    convert "$1" -filter Lanczos -resize "$3x$3" \
        "${quiet[@]}" "PNG32:$2"
}

# program.png: an orange gear.
gear=(-fill '#f0962e' -stroke none)
for angle in 0 45 90 135 180 225 270 315; do
    gear+=(-draw "translate 96,96 rotate $angle roundrectangle -15,-84 15,-50 5,5")
done
convert -size ${big}x${big} xc:none \
    "${gear[@]}" \
    -draw 'circle 96,96 96,36' \
    -fill '#ffd08a' -draw 'circle 96,96 96,62' \
    -fill '#b8651a' -draw 'circle 96,96 96,78' \
    "$work/program.png"
# Punch a hole through the middle.
convert "$work/program.png" \
    \( -size ${big}x${big} xc:none -fill black -draw 'circle 96,96 96,80' \) \
    -compose DstOut -composite \
    "$work/program_holed.png"
finish_icon "$work/program_holed.png" "$icons/program.png" 48

# document.png: a white page with a folded corner and lines of text.
convert -size ${big}x${big} xc:none \
    -fill '#f4f6f9' -stroke '#8fa3bb' -strokewidth 4 \
    -draw 'path "M 38,14 L 124,14 L 158,48 L 158,178 L 38,178 Z"' \
    -fill '#c9d5e3' -stroke '#8fa3bb' -strokewidth 4 \
    -draw 'path "M 124,14 L 124,48 L 158,48 Z"' \
    -stroke none -fill '#3f6ea6' \
    -draw 'roundrectangle 56,44 112,54 4,4' \
    -fill '#7d93ad' \
    -draw 'roundrectangle 56,74 140,82 3,3' \
    -draw 'roundrectangle 56,96 140,104 3,3' \
    -draw 'roundrectangle 56,118 140,126 3,3' \
    -draw 'roundrectangle 56,140 112,148 3,3' \
    "$work/document.png"
finish_icon "$work/document.png" "$icons/document.png" 48

# page.png: a page with a green house on it.
convert -size ${big}x${big} xc:none \
    -fill '#eef7ef' -stroke '#7fb08a' -strokewidth 4 \
    -draw 'path "M 38,14 L 124,14 L 158,48 L 158,178 L 38,178 Z"' \
    -fill '#c4e3cb' -stroke '#7fb08a' -strokewidth 4 \
    -draw 'path "M 124,14 L 124,48 L 158,48 Z"' \
    -stroke none -fill '#2f9a4e' \
    -draw 'polygon 98,62 146,106 134,106 134,156 62,156 62,106 50,106' \
    -fill '#eef7ef' \
    -draw 'roundrectangle 87,118 109,156 3,3' \
    -fill '#1f6e37' \
    -draw 'rectangle 120,70 130,94' \
    "$work/page.png"
finish_icon "$work/page.png" "$icons/page.png" 48

# web.png: a blue globe with meridians and parallels.
convert -size ${big}x${big} xc:none \
    -fill '#2f86d4' -stroke '#1b5b99' -strokewidth 5 \
    -draw 'circle 96,96 96,16' \
    -fill none -stroke '#e6f1fb' -strokewidth 6 \
    -draw 'ellipse 96,96 34,78 0,360' \
    -draw 'line 96,20 96,172' \
    -draw 'line 20,96 172,96' \
    -draw 'path "M 34,56 Q 96,72 158,56"' \
    -draw 'path "M 34,136 Q 96,120 158,136"' \
    "$work/web.png"
# Keep the grid inside the globe.
convert "$work/web.png" \
    \( -size ${big}x${big} xc:none -fill black -draw 'circle 96,96 96,13' \) \
    -compose DstIn -composite \
    "$work/web_clipped.png"
finish_icon "$work/web_clipped.png" "$icons/web.png" 48

# ---------------------------------------------------------------------------
# Window icon, 32 x 32 RGBA: a blue rounded square with a white play arrow.
# ---------------------------------------------------------------------------
convert -size 128x128 gradient:'#3d8be0-#1c4f8c' \
    \( -size 128x128 xc:black -fill white \
       -draw 'roundrectangle 4,4 123,123 26,26' \) \
    -alpha off -compose CopyOpacity -composite \
    -compose Over -fill '#ffffff' -stroke none \
    -draw 'polygon 46,28 104,64 46,100' \
    "$work/icon.png"
convert "$work/icon.png" -filter Lanczos -resize 32x32 \
    -interlace none "${quiet[@]}" "PNG32:$resources/icon.png"

echo "Pictures written:"
for f in "$images/launcher_background.png" "$images/horiz_div_line.png" \
         "$icons/program.png" "$icons/document.png" "$icons/page.png" \
         "$icons/web.png" "$resources/icon.png"; do
    echo "  ${f#"$root"/}"
done
