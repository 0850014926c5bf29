#!/bin/sh
# kwin-e2e.sh <clipwise> <virtualpointer> <showpicture>: the built program on a headless KWin
# (session.sh kwin) that names it and the pointer in desktop files: the still comes from KWin's
# screenshot interface without the pointer; a copy that no desktop file names falls through to
# the desktop portal.
set -eu
[ -n "${SESSION_DESKTOP:-}" ] || SESSION_TRUSTED="$1 $2" exec "$(dirname "$0")/session.sh" kwin noise "$0" "$@"
clipwise=$1 pointer=$2
QT_QPA_PLATFORM=wayland "$3" bg.png >picture.out 2>picture.log &
waitfor 20 grep -q ready picture.out || fail "the background is not shown"
mkdir untrusted && cp "$clipwise" untrusted/clipwise

# case <program> <platform> <pointer at> <source expected>: parks the pointer, drags
# (10,10)-(19,19) over the still and compares the PNG with the background there.
case_() {
    program=$1 platform=$2 source=$4
    "$pointer" 1920 1080 "$3" || fail "the pointer does not move"
    : >monitor.log
    launch QT_QPA_PLATFORM="$platform" WAYLAND_DEBUG=1 "$program"
    if [ "$platform" = wayland ]; then
        # The compositor tells the window that the parked pointer is over it once it is mapped.
        waitfor 30 grep -q 'wl_pointer@[0-9]*\.enter(' clipwise.log
    else
        waitfor 30 sh -c 'w=$(xdotool search --onlyvisible --classname clipwise | head -n 1) &&
            [ -n "$w" ] && xwininfo -id "$w" | grep -q "Width: 1920"'
    fi || fail "$platform: no full-screen still"
    sleep 0.3
    "$pointer" 1920 1080 10,10 down 15,15 19,19 up || fail "no drag"
    ended 20 "$platform" && exited "$platform" 0 1
    compare -metric AE home/Desktop/*.png 'bg.png[10x10+10+10]' null: 2>/dev/null ||
        fail "$platform, pointer at $3: the picture is not the screen's 10 x 10 pixels at (10, 10)"
    asked=$(grep -c 'org.freedesktop.portal.Screenshot' monitor.log || true)
    case $source:$asked in portal:0 | kwin:[1-9]*)
        fail "$platform: the portal was asked $asked times where the still should come from $source" ;;
    esac
    echo "ok: $platform, pointer at $3: the still from $source gives the pixels under the selection"
}
dbus-monitor --session "interface='org.freedesktop.portal.Screenshot'" >>monitor.log 2>&1 &
sleep 0.5
# The portal's picture holds the pointer: it rests away from the selection there.
case_ untrusted/clipwise wayland 1000,800 portal
case_ "$clipwise" wayland 15,15 kwin
case_ "$clipwise" xcb 15,15 kwin
