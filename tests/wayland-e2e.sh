#!/bin/sh
# wayland-e2e.sh <clipwise> <virtualpointer>: the built program on a headless wlroots compositor
# with the desktop portal on a private session bus; the pointer driven through a virtual device,
# keys through wtype, the result checked on disk.
set -eu
if [ "${1:-}" != --inside ]; then
    # A PID namespace ends every process started here with the test. A mount namespace gives the
    # test its own /tmp: the portal's wlroots back end always writes its picture to /tmp/out.png.
    exec unshare --mount --pid --fork --mount-proc "$0" --inside "$@"
fi
clipwise=$2 pointer=$3
for tool in sway swaybg Xwayland xhost grim pipewire wtype jq convert dbus-send /usr/libexec/xdg-desktop-portal-wlr; do
    command -v "$tool" >/dev/null || { echo "missing $tool (scripts/deps.sh installs it)"; exit 1; }
done
mount -t tmpfs -o mode=1777 tmpfs /tmp
cd /tmp
fail() { echo "FAIL: $*"; for f in /tmp/*.log; do echo "== $f"; tail -n 15 "$f"; done; exit 1; }
waitfor() { # waitfor <seconds> <command...>
    n=$(($1 * 10)); shift
    until "$@" 2>/dev/null; do
        n=$((n - 1)); [ "$n" -gt 0 ] || return 1; sleep 0.1
    done
}

# The compositor refuses to run as root; everything else runs as root and connects to it.
mkdir -m 700 run-sway run-root empty
chown nobody:nogroup run-sway
asuser() {
    setpriv --reuid=nobody --regid=nogroup --clear-groups env -i PATH="$PATH" HOME=/tmp \
        XDG_RUNTIME_DIR=/tmp/run-sway "$@"
}
seed=$(od -An -N4 -tu4 /dev/urandom | tr -d ' ')
echo "background seed $seed"
# Random 4 x 4 blocks: a crop that is off by one pixel anywhere cannot match.
convert -seed "$seed" -size 480x270 xc: +noise Random -scale 400% -type TrueColor PNG24:bg.png
cat >sway.conf <<EOF
output HEADLESS-1 resolution 1920x1080 position 0 0 scale 1
output * bg /tmp/bg.png fill
xwayland enable
default_border none
seat * hide_cursor 100
exec sh -c 'echo "\$DISPLAY" >/tmp/run-sway/display'
EOF
asuser WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 sway -c /tmp/sway.conf >sway.log 2>&1 &
waitfor 20 test -s run-sway/display || fail "the compositor did not start"
export SWAYSOCK WAYLAND_DISPLAY DISPLAY
SWAYSOCK=$(ls run-sway/sway-ipc.*.sock) WAYLAND_DISPLAY=$(ls run-sway/wayland-? | head -n 1)
SWAYSOCK=/tmp/$SWAYSOCK WAYLAND_DISPLAY=/tmp/$WAYLAND_DISPLAY DISPLAY=$(cat run-sway/display)
asuser DISPLAY="$DISPLAY" xhost +si:localuser:root >/dev/null || fail "XWayland did not start"

# A bus whose service folder is empty, so nothing is started behind the test's back.
cat >bus.conf <<EOF
<busconfig><type>session</type><listen>unix:path=/tmp/bus</listen><auth>EXTERNAL</auth>
<servicedir>/tmp/empty</servicedir><policy context="default"><allow send_destination="*"/>
<allow eavesdrop="true"/><allow own="*"/></policy></busconfig>
EOF
dbus-daemon --config-file=bus.conf --nofork >bus.log 2>&1 &
export DBUS_SESSION_BUS_ADDRESS=unix:path=/tmp/bus XDG_RUNTIME_DIR=/tmp/run-root
export XDG_CURRENT_DESKTOP=sway XDG_SESSION_TYPE=wayland
owned() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner "string:$1" | grep -q true
}
waitfor 10 test -S bus || fail "no session bus"
pipewire >pipewire.log 2>&1 &
waitfor 10 test -S run-root/pipewire-0 || fail "pipewire did not start"
/usr/libexec/xdg-desktop-portal-wlr >portal-wlr.log 2>&1 &
waitfor 10 owned org.freedesktop.impl.portal.desktop.wlr || fail "the wlroots portal back end did not start"
/usr/libexec/xdg-desktop-portal >portal.log 2>&1 &
portal=$!
waitfor 10 owned org.freedesktop.portal.Desktop || fail "the desktop portal did not start"

# run <platform> <input...>: starts the program with a fresh home, waits for the full-screen still,
# then either drags with the virtual pointer or types the named keys; sets rc and saved.
run() {
    platform=$1; shift
    rm -rf home && mkdir -p home/Desktop
    HOME=/tmp/home XDG_CONFIG_HOME=/tmp/home/.config XDG_DATA_HOME=/tmp/home/.local/share \
        XDG_CACHE_HOME=/tmp/home/.cache QT_QPA_PLATFORM=$platform "$clipwise" >>clipwise.log 2>&1 &
    pid=$!
    if [ $# -gt 0 ] && window "select(.fullscreen_mode == 1 and .geometry.width == 1920)"; then
        # The compositor maps the first frame small; the selection is made on the full-screen one.
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

kill "$portal" && wait "$portal" || true
reply=Return
run wayland
[ "$rc" -gt 0 ] && [ "$rc" -lt 128 ] && [ "$saved" -eq 0 ] || fail "no portal: exit $rc, $saved pictures saved"
echo "ok: without the portal the failure is reported and nothing is saved"
