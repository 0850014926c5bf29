#!/bin/sh
# Builds Clipwise and runs it. On a display it starts the capture for real. Without one it
# shows the capture working on a virtual display: a sample picture, a scripted drag, the PNG
# saved in a throwaway home folder, and its path printed.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/build.sh" "$here/build"
clipwise=$here/build/app/clipwise

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    exec "$clipwise"
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/clipwise-demo.XXXXXX")
xvfb_pid=
helper_pid=
cleanup() {
    [ -n "$helper_pid" ] && kill "$helper_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT INT TERM

Xvfb -displayfd 3 -screen 0 1280x800x24 -noreset -nolisten tcp 3>"$work/display" \
    >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 1 200); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || { echo "Could not start a virtual display" >&2; exit 1; }
display=":$(cat "$work/display")"
export DISPLAY=$display

echo "No display found: showing Clipwise on the virtual display $DISPLAY"
convert -size 1280x800 plasma:fractal -blur 0x1 -font DejaVu-Sans \
    -gravity center -pointsize 64 -fill white -annotate +0-200 'Clipwise sample screen' \
    "$work/sample.png"
"$here/build/tests/helpers/showpicture" "$work/sample.png" >"$work/picture.out" &
helper_pid=$!
for _ in $(seq 1 100); do grep -q ready "$work/picture.out" 2>/dev/null && break; sleep 0.05; done

mkdir -p "$work/home/Desktop" "$work/runtime"
chmod 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"
HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share \
    XDG_CACHE_HOME=$work/home/.cache QT_QPA_PLATFORM=xcb "$clipwise" &
app_pid=$!

# Wait for the capture screen, then drag out a region as a person would.
for _ in $(seq 1 200); do
    xdotool search --onlyvisible --classname clipwise >/dev/null 2>&1 && break
    sleep 0.05
done
echo "Capture screen is up; dragging from (400, 200) to (879, 469)"
xdotool mousemove 400 200 mousedown 1 mousemove 600 300 mousemove 879 469 mouseup 1

status=0
wait "$app_pid" || status=$?
echo "Clipwise exited with code $status"
for f in "$work"/home/Desktop/ScreenShot_*.png; do
    [ -e "$f" ] || { echo "No capture was written" >&2; exit 1; }
    echo "Saved: $f ($(identify -format '%wx%h' "$f") pixels)"
done
exit "$status"
