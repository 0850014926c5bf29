#!/bin/sh
# wayland-e2e.sh <clipwise> <virtualpointer>: the built program on both Qt platforms in a Wayland
# session with the desktop portal (session.sh sway), driven by a virtual pointer and wtype.
set -eu
if [ -z "${PORTAL_PID:-}" ]; then
    here=$(cd "$(dirname "$0")" && pwd)
    # Random 4 x 4 blocks: a crop that is off by one pixel anywhere cannot match.
    convert -size 480x270 xc: +noise Random -scale 400% -type TrueColor PNG24:- |
        "$here/session.sh" sway /dev/stdin "$here/wayland-e2e.sh" "$@"; exit
fi
clipwise=$1 pointer=$2 reply=

# run <platform> [input...]: starts the program with a fresh home, waits for the full-screen still,
# drags with the virtual pointer or types the keys, answers a message box; sets rc and saved.
run() {
    platform=$1 && shift
    rm -rf home && mkdir -p home/Desktop
    # A program forced onto X11 by unsetting WAYLAND_DISPLAY still has the session type.
    session=XDG_SESSION_TYPE=wayland
    [ "$platform" = xcb ] || session=WAYLAND_DISPLAY=$WAYLAND_DISPLAY
    env -u WAYLAND_DISPLAY "$session" HOME=/tmp/home XDG_CONFIG_HOME=/tmp/home/.config \
        QT_QPA_PLATFORM="$platform" "$clipwise" >>clipwise.log 2>&1 &
    pid=$!
    if [ $# -gt 0 ]; then
        # The compositor maps the first frame small; the selection is made on the full-screen one.
        window "select(.fullscreen_mode == 1 and .geometry.width == 1920)" || fail "$platform: no still"
        sleep 0.3
        case $1 in [0-9]*) "$pointer" 1920 1080 "$@" ;; *) wtype -s 50 -k "$@" ;; esac || fail "no input"
    fi
    if [ -n "$reply" ]; then
        window 'select(.name == "Clipwise")' && wtype -s 50 -k "$reply" || fail "$platform: no message box"
    fi
    waitfor 30 eval '! kill -0 "$pid"' || { kill "$pid"; fail "$platform: the program did not end"; }
    rc=0 && wait "$pid" || rc=$?
    saved=$(ls home/Desktop home/*.png 2>/dev/null | grep -c '\.png$' || true)
}
window() { # window <jq filter>: waits for one of the program's windows to match
    waitfor 30 sh -c "swaymsg -t get_tree | jq -e '[recurse(.nodes[]?, .floating_nodes[]?)
        | select(.pid == $pid) | $1] | length > 0' >/dev/null"
}

for platform in wayland xcb; do
    run "$platform" 10,10 down 15,15 19,19 up
    [ "$rc" -eq 0 ] && [ "$saved" -eq 1 ] || fail "$platform drag: exit $rc, $saved pictures saved"
    [ ! -e out.png ] || fail "$platform drag: the portal's picture /tmp/out.png was left behind"
    compare -metric AE home/Desktop/*.png 'bg.png[10x10+10+10]' null: 2>/dev/null ||
        fail "$platform drag: the picture is not the screen's 10 x 10 pixels at (10, 10)"
    echo "ok: $platform drag saves the pixels under the selection"
done
run wayland Escape
[ "$rc" -eq 0 ] && [ "$saved" -eq 0 ] || fail "Escape: exit $rc, $saved pictures saved"
echo "ok: Escape saves nothing and exits 0"

kill "$PORTAL_PID" && wait "$PORTAL_PID" 2>/dev/null || true
reply=Return
run wayland
[ "$rc" -gt 0 ] && [ "$rc" -lt 128 ] && [ "$saved" -eq 0 ] || fail "no portal: exit $rc, $saved pictures saved"
echo "ok: without the portal the failure is reported and nothing is saved"
