#!/bin/sh
# wayland-e2e.sh <clipwise> <virtualpointer>: the built program on a headless wlroots compositor
# with the desktop portal (wayland-session.sh); the pointer driven through a virtual device, keys
# through wtype, the result checked on disk.
set -eu
if [ -z "${PORTAL_PID:-}" ]; then
    # Random 4 x 4 blocks: a crop that is off by one pixel anywhere cannot match.
    convert -size 480x270 xc: +noise Random -scale 400% -type TrueColor PNG24:"$HOME/bg.png"
    here=$(cd "$(dirname "$0")" && pwd)
    exec "$here/wayland-session.sh" "$HOME/bg.png" "$here/wayland-e2e.sh" "$@"
fi
clipwise=$1 pointer=$2

# run <platform> [input...]: starts the program with a fresh home, waits for the full-screen still,
# drags with the virtual pointer or types the keys, answers a message box; sets rc and saved.
run() {
    platform=$1; shift
    rm -rf home && mkdir -p home/Desktop
    HOME=/tmp/home XDG_CONFIG_HOME=/tmp/home/.config XDG_DATA_HOME=/tmp/home/.local/share \
        XDG_CACHE_HOME=/tmp/home/.cache QT_QPA_PLATFORM=$platform "$clipwise" >>clipwise.log 2>&1 &
    pid=$!
    if [ $# -gt 0 ]; then
        # The compositor maps the first frame small; the selection is made on the full-screen one.
        window "select(.fullscreen_mode == 1 and .geometry.width == 1920)" || fail "$platform: no still"
        sleep 0.3
        case $1 in [0-9]*) "$pointer" 1920 1080 "$@" ;; *) wtype -s 50 -k "$@" ;; esac || fail "no input"
    fi
    if [ -n "$reply" ]; then
        window "select(.name == \"Clipwise\")" || fail "$platform: no message box"
        wtype -s 50 -k "$reply"
    fi
    waitfor 30 ended || { kill "$pid"; fail "$platform: the program did not end"; }
    rc=0; wait "$pid" || rc=$?
    saved=$(ls home/Desktop home/*.png 2>/dev/null | grep -c '\.png$' || true)
}
ended() { ! kill -0 "$pid"; }
window() { # window <jq filter>: waits for one of the program's windows to match
    waitfor 30 sh -c "swaymsg -t get_tree | jq -e '[recurse(.nodes[]?, .floating_nodes[]?)
        | select(.pid == $pid) | $1] | length > 0' >/dev/null"
}

convert bg.png -crop 10x10+10+10 +repage expected.png
reply=
for platform in wayland xcb; do
    run "$platform" 10,10 down 15,15 19,19 up
    [ "$rc" -eq 0 ] && [ "$saved" -eq 1 ] || fail "$platform drag: exit $rc, $saved pictures saved"
    [ "$(identify -format %wx%h home/Desktop/*.png)" = 10x10 ] || fail "$platform drag: not 10 x 10"
    compare -metric AE home/Desktop/*.png expected.png null: 2>/dev/null ||
        fail "$platform drag: the picture differs from the screen at (10, 10) to (19, 19)"
    echo "ok: $platform drag saves the pixels under the selection"
done
run wayland Escape
[ "$rc" -eq 0 ] && [ "$saved" -eq 0 ] || fail "Escape: exit $rc, $saved pictures saved"
echo "ok: Escape saves nothing and exits 0"

kill "$PORTAL_PID" && wait "$PORTAL_PID" || true
reply=Return
run wayland
[ "$rc" -gt 0 ] && [ "$rc" -lt 128 ] && [ "$saved" -eq 0 ] || fail "no portal: exit $rc, $saved pictures saved"
echo "ok: without the portal the failure is reported and nothing is saved"
