#!/bin/sh
# make-screen.sh <width> <height> <out.png>: a desktop-like screen from ImageMagick's built-in
# pictures and rendered text: a flat desktop and panel, a text window, photographs (the built-in
# rose and wizard, a fractal landscape) and a granite-textured window. The same every time.
set -eu
W=$1 H=$2 out=$3
im=/usr/bin/convert
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

tw=$((W * 45 / 100)) th=$((H * 80 / 100))
pw=$((W * 48 / 100)) ph=$((H * 45 / 100))
pt=$((H / 70 + 8))
font=$(fc-match -f '%{file}' 'DejaVu Sans Mono')

# Text: the licence texts of the system, as an editor shows them.
cat /usr/share/common-licenses/GPL-3 /usr/share/common-licenses/Apache-2.0 | head -n 400 >"$tmp/text.txt"
$im -size "${tw}x${th}" xc:white -font "$font" -pointsize "$pt" -fill '#202020' \
    -annotate +12+$((pt + 6)) "$(cat "$tmp/text.txt")" -bordercolor '#3c3f41' -border 6 "$tmp/text.png"
# Photographs: the built-in pictures enlarged, and a fractal landscape with a fixed seed.
$im rose: -resize "$((pw / 2))x$((ph))!" "$tmp/rose.png"
$im wizard: -resize "$((pw / 2))x$((ph))!" "$tmp/wizard.png"
$im "$tmp/rose.png" "$tmp/wizard.png" +append "$tmp/photos.png"
$im -seed 20191002 -size "${pw}x${ph}" plasma:green-blue -blur 0x1 "$tmp/plasma.png"
$im -size "$((pw / 2))x$((ph / 2))" tile:granite: "$tmp/granite.png"

$im -size "${W}x${H}" xc:'#2e5f8a' \
    -fill '#1b1b1b' -draw "rectangle 0,$((H - H / 27)) $W,$H" \
    -fill '#d0d0d0' -draw "rectangle $((W / 50)),$((H / 40)) $((W / 50 + tw + 12)),$((H / 40 + 24))" \
    "$tmp/text.png" -geometry "+$((W / 50))+$((H / 40 + 24))" -composite \
    "$tmp/photos.png" -geometry "+$((W / 2))+$((H / 40))" -composite \
    "$tmp/plasma.png" -geometry "+$((W / 2))+$((H / 40 + ph + 10))" -composite \
    "$tmp/granite.png" -geometry "+$((W - W / 4))+$((H / 2 + ph / 3))" -composite \
    -fill white -font "$font" -pointsize "$((pt + 2))" \
    -annotate "+$((W - 300))+$((H - H / 80))" '12:34  2 Oct 2019' \
    -type TrueColor "PNG24:$out"
