#!/bin/sh
# Regenerates the two pictures of the update dialog with ImageMagick (Debian package imagemagick):
#   libs/cpp/widgets/images/update_available.png      a download arrow over a glowing disc
#   libs/cpp/widgets/images/update_not_available.png  a check mark over a calm disc
# Drawn at 256 pixels and written at 128. The PNGs are committed; run this only after changing the design.
set -eu
out=$(cd "$(dirname "$0")/.." && pwd)/libs/cpp/widgets/images
mkdir -p "$out"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

S=256
# disc <inner colour> <outer colour> <file>: a shaded disc with a light rim and a soft shadow.
disc() {
    convert -size ${S}x${S} radial-gradient:"$1"-"$2" "$tmp/grad.png"
    convert -size ${S}x${S} xc:none -fill white -draw "circle 128,124 128,14" "$tmp/mask.png"
    convert "$tmp/grad.png" "$tmp/mask.png" -alpha off -compose copy_opacity -composite \
        "$tmp/body.png"
    convert -size ${S}x${S} xc:none -fill 'rgba(0,0,0,0.55)' -draw "circle 128,134 128,22" \
        -blur 0x8 "$tmp/shadow.png"
    convert "$tmp/shadow.png" "$tmp/body.png" -compose over -composite \
        -fill none -stroke 'rgba(255,255,255,0.45)' -strokewidth 4 \
        -draw "circle 128,124 128,17" \
        -fill 'rgba(255,255,255,0.16)' -stroke none -draw "ellipse 128,74 70,34 0,360" \
        "$3"
}

disc '#49d17e' '#0f5a3a' "$tmp/green.png"
convert "$tmp/green.png" \
    -fill white -stroke none \
    -draw "polygon 106,58 150,58 150,120 182,120 128,176 74,120 106,120" \
    -draw "roundrectangle 74,186 182,202 6,6" \
    -resize 128x128 -depth 8 -strip "$out/update_available.png"

disc '#5d8fe0' '#1b2f66' "$tmp/blue.png"
convert "$tmp/blue.png" \
    -fill none -stroke white -strokewidth 22 \
    -draw "stroke-linecap round stroke-linejoin round path 'M 78,128 L 114,164 L 182,90'" \
    -resize 128x128 -depth 8 -strip "$out/update_not_available.png"
echo "wrote $out/update_available.png and $out/update_not_available.png"
