#!/bin/sh
# Regenerates the program's two pictures with ImageMagick (Debian package imagemagick):
#   app/images/background.png  a seamless dark texture, tiled behind every window
#   app/images/app.png         the product logo: a selection frame over a screen, with crop marks
# The PNGs are committed; run this only after changing the design.
set -eu
out=$(cd "$(dirname "$0")/.." && pwd)/app/images
mkdir -p "$out"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

font=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf

# Background: blurred noise wrapped around the edges (virtual-pixel tile keeps it seamless),
# squeezed into a narrow near-black band and tinted blue, plus faint diagonal hatching.
convert -size 128x128 xc: -seed 7 +noise Random -channel G -separate +channel \
    -virtual-pixel tile -blur 0x3 -auto-level -level 0%,100% \
    +level 6%,17% "$tmp/noise.png"
convert -size 128x128 xc:none -stroke 'rgba(120,130,200,0.06)' -strokewidth 1 \
    -draw 'line 0,128 128,0' -draw 'line -64,128 64,0' -draw 'line 64,128 192,0' \
    -draw 'line 0,64 64,0' -draw 'line 64,128 128,64' "$tmp/hatch.png"
convert "$tmp/noise.png" \( +clone -fill '#1a1f44' -colorize 100 \) -compose multiply -composite \
    "$tmp/hatch.png" -compose over -composite -depth 8 -strip "$out/background.png"

# Logo, drawn at 512 pixels: a rounded tile with a deep blue gradient, a stylised screen,
# a dashed selection rectangle with a light fill, corner crop marks and a cross-hair cursor.
S=512
convert -size ${S}x${S} radial-gradient:'#3b4fa8'-'#0a0e26' "$tmp/grad.png"
convert -size ${S}x${S} xc:none -fill white -draw "roundrectangle 8,8 503,503 72,72" "$tmp/mask.png"
convert "$tmp/grad.png" "$tmp/mask.png" -alpha off -compose copy_opacity -composite "$tmp/tile.png"
convert "$tmp/tile.png" \
    -fill none -stroke 'rgba(255,255,255,0.35)' -strokewidth 6 \
    -draw "roundrectangle 70,86 442,356 18,18" \
    -fill 'rgba(255,255,255,0.10)' -stroke none -draw "rectangle 76,92 436,350" \
    -fill 'rgba(255,255,255,0.35)' -draw "rectangle 214,362 298,384" \
    -draw "roundrectangle 170,384 342,396 6,6" \
    -fill 'rgba(110,200,255,0.30)' -stroke '#9fe0ff' -strokewidth 5 \
    -draw "stroke-dasharray 18 10 rectangle 150,146 330,280" \
    -fill white -stroke none \
    -draw "rectangle 93,105 107,162" -draw "rectangle 93,105 150,119" \
    -draw "rectangle 405,105 419,162" -draw "rectangle 362,105 419,119" \
    -draw "rectangle 93,284 107,341" -draw "rectangle 93,327 150,341" \
    -draw "rectangle 405,284 419,341" -draw "rectangle 362,327 419,341" \
    -stroke '#ffd35a' -strokewidth 8 -draw "line 330,248 330,312" -draw "line 298,280 362,280" \
    -fill '#ffd35a' -stroke none -draw "circle 330,280 330,289" \
    -font "$font" -pointsize 62 -fill white -stroke none -gravity south \
    -annotate +0+28 'Clipwise' \
    -depth 8 -strip "$tmp/logo.png"
cp "$tmp/logo.png" "$out/app.png"
echo "wrote $out/background.png and $out/app.png"
