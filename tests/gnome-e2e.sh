#!/bin/sh
# gnome-e2e.sh <clipwise> <remotekeys>: the built program on GNOME Shell with its portal (session.sh
# gnome), the shell's question about screenshots answered, stored or left alone (keys through
# mutter's remote desktop, the XWayland pointer through XTEST); then two monitors laid out as each
# row of the table at the end says, the drag through mutter's pointer.
set -eu
[ -n "${SESSION_DESKTOP:-}" ] || GNOME_MONITORS="1920x1080 1280x1024" exec "$(dirname "$0")/session.sh" gnome noise "$0" "$@"
clipwise=$1 remotekeys=$2
need xdotool xwininfo dbus-monitor pipewire /usr/bin/python3
# A keyboard for the whole session, as a real one stays plugged in: mutter adds the remote
# desktop's keyboard at its first key, and a window focused before then never gets any key.
mkfifo keys
"$2" <keys >remotekeys.log 2>&1 &
exec 4>keys
echo Shift_L >&4
# Every question the shell asks for the portal.
stdbuf -oL dbus-monitor --session \
    "interface=org.freedesktop.impl.portal.Access,member=AccessDialog" >questions.log 2>&1 &
store() { # store SetPermission|DeletePermission args...: the user's stored answers
    gdbus call --session --dest org.freedesktop.impl.portal.PermissionStore --object-path \
        /org/freedesktop/impl/portal/PermissionStore --method org.freedesktop.impl.portal.PermissionStore."$@"
}
questions() { grep -c AccessDialog questions.log || true; }
asked() { [ "$(questions)" -gt "$asked" ]; }
named() { xdotool search --onlyvisible --name '^Clipwise$' 2>/dev/null; } # not the capture screen
another() { named | grep -vx "$waiting"; } # the message box beside the waiting window
keyboard() { # keyboard <platform>: the capture screen has the keyboard
    if [ "$1" = wayland ]; then grep -q 'wl_keyboard@[0-9]*\.enter' clipwise.log; else
        focus=$(xdotool getwindowfocus) && xwininfo -id "$focus" | grep -q 'geometry 1920x1080+0+0'; fi
}
config() { # config <method> [arguments]: mutter's monitor configuration
    gdbus call --session --dest org.gnome.Mutter.DisplayConfig --object-path \
        /org/gnome/Mutter/DisplayConfig --method org.gnome.Mutter.DisplayConfig."$@"
}
# lay_out <1 logical | 2 physical> <monitors>: as the row says, for the session's life (method 1)
lay_out() {
    logical=$(echo "$2" | tr ';' '\n' | while read -r name scale at primary; do
        size=$(echo "$GNOME_MONITORS" | cut -d' ' -f$((${name#Meta-} + 1)))
        echo "(${at%,*}, ${at#*,}, $scale, uint32 0, $([ -n "$primary" ] && echo true || echo false)," \
            "[('$name', '$size@60.000', @a{sv} {})])"
    done | paste -sd,)
    config ApplyMonitorsConfig "$(config GetCurrentState | sed -n 's/^(uint32 \([0-9]*\),.*/\1/p')" \
        1 "[$logical]" "{'layout-mode': <uint32 $1>}" >/dev/null
}
# shell_picture <file> <x> <y> <w> <h>: the shell's own picture of that area of its stage, at the
# scale of the monitor there. The shell takes it only for a bus name it trusts, and multiplies the
# area by its interface scale (more than 1 only in the physical layout).
shell_picture() {
    /usr/bin/python3 - "$@" <<'END'
import sys, gi; gi.require_version('Gio', '2.0'); from gi.repository import Gio, GLib
bus, a = Gio.bus_get_sync(Gio.BusType.SESSION), sys.argv[1:]
bus.call_sync('org.freedesktop.DBus', '/org/freedesktop/DBus', 'org.freedesktop.DBus', 'RequestName',
              GLib.Variant('(su)', ('org.gnome.Screenshot', 4)), None, 0, -1, None)
bus.call_sync('org.gnome.Shell.Screenshot', '/org/gnome/Shell/Screenshot', 'org.gnome.Shell.Screenshot',
              'ScreenshotArea', GLib.Variant('(iiiibs)', (*map(int, a[1:]), False, '/tmp/' + a[0])),
              None, 0, 20000, None)
END
}
# The rows below on the first monitor alone, as a desktop of one screen.
lay_out 1 "Meta-0 1 0,0 primary"

# One run per row: platform, the permission stored before, what is done, and what must follow:
# the exit (0, or 1 for a failure) and the pictures saved.
while read -r case platform stored expect exit pictures; do
    store DeletePermission screenshot screenshot '' >/dev/null 2>&1 || true
    [ "$stored" = - ] || store SetPermission screenshot true screenshot '' "['$stored']" >/dev/null
    asked=$(questions) started=$(date +%s) x0=100 y0=300 x1=109 y1=309
    # The first run with the shell's animations: windows fade out as they close.
    gsettings set org.gnome.desktop.interface enable-animations "$([ "$case" = first-run-allowed-drag ] && echo true || echo false)"
    launch WAYLAND_DEBUG=1 QT_QPA_PLATFORM="$platform" "$clipwise"
    if [ "$stored" = - ]; then
        waitfor 10 asked || fail "$case: the shell did not ask"
        # The shell's question has the keyboard and is drawn above every window.
        waitfor 2 named >/dev/null || fail "$case: no waiting window within 2 s of the question"
        waiting=$(named)
        # The still must not show the waiting window: the selection covers its place and shadow
        # below its title bar, clear of the shell's banners above it.
        eval "$(xdotool getwindowgeometry --shell "$waiting")"
        x0=$((X - 60)) y0=$Y x1=$((X + WIDTH + 59)) y1=$((Y + HEIGHT + 59))
    fi
    case $expect in
    saved)
        sleep 0.5 && echo Tab Return >&4 # Deny has the focus
        waitfor 20 keyboard "$platform" || fail "$case: the capture screen did not get the keyboard"
        sleep 0.3
        xdotool mousemove $x0 $y0 mousedown 1 mousemove $((x0 + 5)) $((y0 + 5)) mousemove $x1 $y1 mouseup 1 ;;
    escaped)
        waitfor 20 keyboard "$platform" || fail "$case: the capture screen did not get the keyboard"
        echo Escape >&4 ;;
    refused)
        waitfor 20 named >/dev/null || fail "$case: no message box"
        echo Return >&4 ;;
    timeout)
        waitfor 40 another >/dev/null && [ $(($(date +%s) - started)) -le 35 ] ||
            fail "$case: no message box within 35 s"
        # The shell's expired question is still up and has the keyboard; then the box.
        echo Escape >&4 && sleep 0.5 && echo Return >&4 ;;
    esac
    ended 10 "$case" && exited "$case" "$exit" "$pictures"
    area=$((x1 - x0 + 1))x$((y1 - y0 + 1))+$x0+$y0
    [ "$expect" != saved ] || compare -metric AE home/Desktop/*.png "bg.png[$area]" null: 2>/dev/null ||
        fail "$case: the picture is not the screen's pixels $area"
    [ "$stored" = - ] || ! asked || fail "$case: the shell asked"
    echo "ok: $case ($(($(date +%s) - started)) s)"
done <<END
first-run-allowed-drag xcb - saved 0 1
allowed-escape-xwayland xcb yes escaped 0 0
allowed-escape-wayland wayland yes escaped 0 0
denial-stored xcb no refused 1 0
unanswered-gives-up xcb - timeout 1 0
END

# The remote desktop's pointer is placed on a monitor through a screen cast of it.
pipewire >pipewire.log 2>&1 &
waitfor 10 test -S run-root/pipewire-0 || fail "pipewire did not start"
store SetPermission screenshot true screenshot '' "['yes']" >/dev/null
# name|layout mode: 1 logical (each monitor at its own scale), 2 physical (the stage in pixels)|
# monitors: connector scale x,y [primary]; ...|the monitor the capture covers on Wayland (Qt takes
# the first output for the primary)|on XWayland (the shell's primary)
while IFS='|' read -r name mode monitors on_wayland on_xcb <&5; do
    lay_out "$mode" "$monitors"
    mkfifo pointer && { "$remotekeys" Meta-0 Meta-1 <pointer >pointer.log 2>&1 & } && exec 6>pointer && rm pointer
    for platform in wayland xcb; do
        eval "on=\$on_$platform"
        set -- $(echo "$monitors" | tr ';' '\n' | grep "^$on ")
        size=$(echo "$GNOME_MONITORS" | cut -d' ' -f$((${on#Meta-} + 1)))
        w=${size%x*} h=${size#*x} scale=$2 own=$2 x=${3%,*} y=${3#*,}
        largest=$(echo "$monitors" | tr ';' '\n' | awk '$2 + 0 > m + 0 { m = $2 } END { print m }')
        # The capture window's pixels per pixel of the monitor: in the physical layout an X11
        # window is drawn at 1 and takes the monitor's own pixels.
        [ "$mode$platform" != 2xcb ] || scale=1
        ww=$(awk "BEGIN { print int($w / $scale + 0.5) }") wh=$(awk "BEGIN { print int($h / $scale + 0.5) }")
        factor=$(config GetCurrentState | sed -n "s/.*'legacy-ui-scaling-factor': <\([0-9]*\)>.*/\1/p")
        if [ "$mode" = 1 ]; then set -- "$ww" "$wh" "$x" "$y"; else set -- "$w" "$h" "$x" "$y"; fi
        shell_picture ref.png $(($3 / factor)) $(($4 / factor)) $(($1 / factor)) $(($2 / factor)) ||
            fail "$name: no picture from the shell"
        launch QT_QPA_PLATFORM="$platform" WAYLAND_DEBUG=1 "$clipwise"
        # From below the top bar and its clock (40 pixels at the monitor's scale) to the bottom-right
        # corner: all but that strip. Mutter may leave an X11 window unfocused, and then the bar
        # stays above it. The drag starts once the full-screen window is there, for Wayland once
        # it has the pointer.
        top=$(awk "BEGIN { print int(40 * $own / $scale + 0.5) }")
        [ "$platform" = xcb ] || echo "$on:0,$(edge "$top")" >&6
        if [ "$platform" = wayland ]; then
            waitfor 30 eval 'sed -n "/configure($ww, $wh,/,\$p" clipwise.log | grep -q "wl_pointer@[0-9]*\.enter"'
        else waitfor 30 eval 'xdotool search --onlyvisible --pid "$pid" | xargs -n 1 xdotool getwindowgeometry --shell |
            tr "\n" " " | grep -q "X=$x Y=$y WIDTH=$ww HEIGHT=$wh "'
        fi || echo "$name, $platform: not full screen on $on: $(grep -o 'configure([0-9]*, [0-9]*' clipwise.log | tail -n 1)"
        [ "$platform" = wayland ] || echo "$on:0,$(edge "$top")" >&6
        sleep 0.3
        echo "down $on:$(edge 100),$(edge 100) $on:$(edge $((ww - 1))),$(edge $((wh - 1))) up" >&6
        ended 30 "$name, $platform"
        crop=$(edge "$ww")x$(($(edge "$wh") - $(edge "$top")))+0+$(edge "$top")
        limit=0
        [ "$mode" = 2 ] || [ "$own" = "$largest" ] || limit=0.09
        judge "$name, $platform: $on at $own" "${crop%%+*}" "ref.png[$crop]" "$limit"
    done
    exec 6>&-
done 5<<END
laptop at 1.5 and primary, an external monitor at 1 right of it|1|Meta-0 1.5 0,0 primary;Meta-1 1 1280,0|Meta-0|Meta-0
laptop at 2 left of the primary at 1|1|Meta-0 2 0,0;Meta-1 1 960,0 primary|Meta-0|Meta-1
the monitor at 1 at the origin, the primary at 2 right of it|1|Meta-1 1 0,0;Meta-0 2 1280,0 primary|Meta-0|Meta-0
physical layout: laptop at 2 and primary, one at 1 right of it|2|Meta-0 2 0,0 primary;Meta-1 1 1920,0|Meta-0|Meta-0
physical layout: the primary at 1 at the origin, laptop at 2|2|Meta-1 1 0,0 primary;Meta-0 2 1280,0|Meta-0|Meta-1
END
judged "the shell"
