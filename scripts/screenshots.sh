#!/bin/sh
# Renders the capture screen and both pages of the About dialog on a private Xvfb server, in
# English, German, Russian and Arabic, into docs/screenshots/.
#   scripts/screenshots.sh [build directory]      (default: build)
# SHOT_LANGUAGES and SHOT_DIR override the languages ("en de ru ar") and the output folder.
# Needs xvfb, xdotool and imagemagick. Each language runs with a private HOME whose settings
# choose the language and switch the update check off; nothing of the real user is touched.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
binary=$build/app/clipwise
showpicture=$build/tests/helpers/showpicture
out=${SHOT_DIR:-$root/docs/screenshots}
for b in "$binary" "$showpicture"; do
    [ -x "$b" ] || { echo "screenshots.sh: $b not built (make clipwise showpicture)" >&2; exit 1; }
done
mkdir -p "$out"

work=$(mktemp -d "${TMPDIR:-/tmp}/clipwise-shots.XXXXXX")
xvfb_pid=
app_pid=
desktop_pid=
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    [ -n "$desktop_pid" ] && kill "$desktop_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT INT TERM

for n in $(seq 150 199); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x800x24 -noreset -nolisten tcp >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 1 100); do
        [ -e "/tmp/.X11-unix/X$n" ] && break
        sleep 0.05
    done
    [ -e "/tmp/.X11-unix/X$n" ] && { export DISPLAY=":$n"; break; }
    kill "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=
done
[ -n "$xvfb_pid" ] || { echo "screenshots.sh: could not start Xvfb" >&2; exit 1; }
export QT_QPA_PLATFORM=xcb

# A desktop to capture: a calm gradient with a few window-like panels.
convert -size 1280x800 gradient:'#2d5f8a'-'#12243a' \
    -fill 'rgba(255,255,255,0.85)' -draw 'roundrectangle 120,110 640,460 8,8' \
    -fill '#3c78b4' -draw 'roundrectangle 120,110 640,140 8,8' -draw 'rectangle 120,126 640,140' \
    -fill 'rgba(40,40,40,0.8)' -draw 'rectangle 150,170 560,180' -draw 'rectangle 150,200 600,210' \
    -draw 'rectangle 150,230 520,240' -draw 'rectangle 150,260 580,270' \
    -fill 'rgba(245,245,245,0.9)' -draw 'roundrectangle 720,300 1160,680 8,8' \
    -fill '#c0504d' -draw 'roundrectangle 720,300 1160,330 8,8' -draw 'rectangle 720,316 1160,330' \
    -fill '#7aa6d6' -draw 'rectangle 760,370 1120,640' \
    "$work/desktop.png"
mkfifo "$work/desktop.fifo"
"$showpicture" "$work/desktop.png" >"$work/desktop.fifo" 2>/dev/null &
desktop_pid=$!
read -r _ <"$work/desktop.fifo"

window_named() {
    # The newest visible window whose title matches $1, waiting up to five seconds.
    for _ in $(seq 1 100); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -n 1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.05
    done
    return 1
}

for lang in ${SHOT_LANGUAGES:-en de ru ar}; do
    home=$work/home-$lang
    mkdir -p "$home/Desktop" "$home/.config/Velmora"
    printf '[Clipwise]\nLanguage=%s\ncheckupdates=false\n' "$lang" >"$home/.config/Velmora/Clipwise.conf"
    HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share \
        XDG_CACHE_HOME=$home/.cache LANG=C.UTF-8 LC_ALL=C.UTF-8 "$binary" >"$work/app-$lang.log" 2>&1 &
    app_pid=$!

    sleep 2
    import -window root "$out/capture-$lang.png"

    xdotool key a
    about=$(window_named 'Clipwise.*') || { echo "screenshots.sh: no About dialog ($lang)" >&2; exit 1; }
    sleep 1
    import -window "$about" "$out/about-$lang.png"

    # From the focused Ok button, Shift+Tab reaches the Legal Notices button.
    xdotool key shift+Tab space
    sleep 1
    import -window "$about" "$out/about-legal-$lang.png"

    kill "$app_pid" 2>/dev/null || true
    wait "$app_pid" 2>/dev/null || true
    app_pid=
done
echo "wrote $(ls "$out" | wc -l) pictures to $out"
