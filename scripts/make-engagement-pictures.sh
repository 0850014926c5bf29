#!/bin/sh
# Regenerates the pictures of the share and follow buttons and of the introduction slides with
# ImageMagick (Debian package imagemagick):
#   libs/cpp/widgets/images/engagement/<name>.png, <name>_hover.png   190x35 (and @2x 380x70)
#   libs/cpp/widgets/images/help/slide1..3.png                       400x300 (and @2x 800x600)
# Everything is drawn at twice the size and reduced for the plain pictures, so both stay sharp.
# The PNGs are committed; run this only after changing the design.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
buttons=$root/libs/cpp/widgets/images/engagement
slides=$root/libs/cpp/widgets/images/help
mkdir -p "$buttons" "$slides"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
font=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf

# glyph <kind> <colour> <file>: the 56x56 emblem drawn in a white disc at the left of a button.
glyph() {
    convert -size 56x56 xc:none -fill white -draw "circle 28,28 28,1" "$tmp/disc.png"
    case $1 in
    letter-*)
        convert "$tmp/disc.png" -font "$font" -pointsize 34 -fill "$2" -gravity center \
            -annotate +0+1 "${1#letter-}" "$3" ;;
    vk)
        convert "$tmp/disc.png" -font "$font" -pointsize 22 -fill "$2" -gravity center \
            -annotate +0+1 "vk" "$3" ;;
    mail)
        convert "$tmp/disc.png" -fill "$2" -stroke none -draw "roundrectangle 12,17 44,39 3,3" \
            -fill none -stroke white -strokewidth 3 \
            -draw "stroke-linejoin round polyline 13,19 28,31 43,19" "$3" ;;
    play)
        convert "$tmp/disc.png" -fill "$2" -stroke none -draw "roundrectangle 10,15 46,41 8,8" \
            -fill white -draw "polygon 24,21 36,28 24,35" "$3" ;;
    bird)
        # A small round bird of our own: body, head, beak and wing.
        convert "$tmp/disc.png" -fill "$2" -stroke none -draw "ellipse 27,32 13,9 0,360" \
            -draw "circle 37,22 37,15" -draw "polygon 43,19 51,20 43,24" \
            -fill white -draw "ellipse 24,30 8,4 200,340" "$3" ;;
    plus)
        convert "$tmp/disc.png" -fill "$2" -stroke none -draw "rectangle 24,12 32,44" \
            -draw "rectangle 12,24 44,32" "$3" ;;
    esac
}

# button <name> <top colour> <bottom colour> <glyph> <label>
button() {
    for state in plain hover; do
        if [ $state = plain ]; then
            top=$2 bottom=$3 rim='rgba(255,255,255,0.35)' suffix=
        else
            top=$(convert xc:"$2" -modulate 125,110 -format '#%[hex:p{0,0}]' info:)
            bottom=$(convert xc:"$3" -modulate 125,110 -format '#%[hex:p{0,0}]' info:)
            rim=white suffix=_hover
        fi
        convert -size 380x70 xc:none -fill white -draw "roundrectangle 1,1 378,68 16,16" \
            "$tmp/mask.png"
        convert -size 380x70 gradient:"$top"-"$bottom" "$tmp/grad.png"
        convert "$tmp/grad.png" "$tmp/mask.png" -alpha off -compose copy_opacity -composite \
            "$tmp/body.png"
        glyph "$4" "$3" "$tmp/glyph.png"
        convert "$tmp/body.png" \
            -fill 'rgba(255,255,255,0.12)' -stroke none -draw "roundrectangle 4,3 375,33 14,14" \
            -fill none -stroke "$rim" -strokewidth 2 -draw "roundrectangle 2,2 377,67 15,15" \
            "$tmp/glyph.png" -geometry +8+7 -compose over -composite \
            -font "$font" -pointsize 28 -fill 'rgba(0,0,0,0.35)' -stroke none \
            -gravity west -annotate +82+2 "$5" \
            -fill white -annotate +80+0 "$5" \
            -depth 8 -strip "$buttons/$1$suffix@2x.png"
        convert "$buttons/$1$suffix@2x.png" -resize 190x35 -depth 8 -strip "$buttons/$1$suffix.png"
    done
}

button facebookshare '#4f74c4' '#2a4786' letter-f 'Share'
button twittershare '#4fb6ee' '#1a7fbf' bird 'Share'
button vkontakteshare '#5f86b8' '#37598a' vk 'Share'
button emailshare '#6b7690' '#363d50' mail 'E-mail'
button join '#7a68d8' '#43379a' plus 'Join us'
button youtubejoin '#e4544a' '#a9231b' play 'Subscribe'
button facebookjoin '#4f74c4' '#2a4786' letter-f 'Follow'
button twitterjoin '#4fb6ee' '#1a7fbf' bird 'Follow'
button vkontaktejoin '#5f86b8' '#37598a' vk 'Follow'
button emailjoin '#6b7690' '#363d50' mail 'Newsletter'

# Slides: a screen with a cross-hair, the dragged selection, the saved picture with a check.
W=800 H=600
convert -size ${W}x${H} radial-gradient:'#34449a'-'#0b0f2a' "$tmp/back.png"
screen() {
    convert "$tmp/back.png" -fill 'rgba(255,255,255,0.10)' -stroke 'rgba(255,255,255,0.55)' \
        -strokewidth 8 -draw "roundrectangle 120,90 680,430 24,24" \
        -fill 'rgba(255,255,255,0.45)' -stroke none -draw "rectangle 360,440 440,480" \
        -draw "roundrectangle 290,480 510,500 8,8" "$1"
}
screen "$tmp/screen.png"
convert "$tmp/screen.png" -stroke '#9fe0ff' -strokewidth 6 \
    -draw "line 400,170 400,350" -draw "line 310,260 490,260" \
    -fill none -draw "circle 400,260 400,215" \
    -fill '#9fe0ff' -stroke none -font "$font" -pointsize 64 -gravity south -annotate +0+20 "1" \
    -depth 8 -strip "$slides/slide1@2x.png"
convert "$tmp/screen.png" -fill 'rgba(110,200,255,0.30)' -stroke '#9fe0ff' -strokewidth 6 \
    -draw "stroke-dasharray 26 14 rectangle 230,160 560,360" \
    -fill white -stroke '#0b0f2a' -strokewidth 3 \
    -draw "polygon 560,360 560,420 575,405 590,435 602,429 588,400 610,400" \
    -fill '#9fe0ff' -stroke none -font "$font" -pointsize 64 -gravity south -annotate +0+20 "2" \
    -depth 8 -strip "$slides/slide2@2x.png"
convert "$tmp/back.png" -fill '#e8ecf8' -stroke none \
    -draw "polygon 290,100 460,100 530,170 530,470 290,470" \
    -fill '#b5bfdc' -draw "polygon 460,100 460,170 530,170" \
    -fill '#4f74c4' -draw "rectangle 320,200 500,340" \
    -fill '#9fe0ff' -draw "polygon 320,340 380,260 430,310 460,280 500,340" \
    -fill '#49d17e' -draw "circle 520,420 520,360" \
    -fill none -stroke white -strokewidth 14 \
    -draw "stroke-linecap round stroke-linejoin round path 'M 490,420 L 512,442 L 552,398'" \
    -fill '#9fe0ff' -stroke none -font "$font" -pointsize 64 -gravity south -annotate +0+20 "3" \
    -depth 8 -strip "$slides/slide3@2x.png"
for n in 1 2 3; do
    convert "$slides/slide$n@2x.png" -resize 400x300 -depth 8 -strip "$slides/slide$n.png"
done
echo "wrote $buttons and $slides"
