#!/bin/sh
# gnome-e2e.sh <clipwise> <remotekeys>: the built program on GNOME Shell with its portal
# (session.sh gnome), the shell's question about screenshots answered, stored or left alone;
# keys through mutter's remote-desktop keyboard, the XWayland pointer through XTEST.
set -eu
[ -n "${SESSION_DESKTOP:-}" ] || exec "$(dirname "$0")/session.sh" gnome noise "$0" "$@"
clipwise=$1
need xdotool xwininfo dbus-monitor
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
# The program's windows of that name; the capture screen has none.
named() { xdotool search --onlyvisible --name '^Clipwise$' 2>/dev/null; }
# One more such window: the message box beside the waiting window.
another() { named | grep -vx "$waiting"; }
keyboard() { # keyboard <platform>: the capture screen has the keyboard
    if [ "$1" = wayland ]; then grep -q 'wl_keyboard@[0-9]*\.enter' clipwise.log; else
        focus=$(xdotool getwindowfocus) && xwininfo -id "$focus" | grep -q 'geometry 1920x1080+0+0'; fi
}

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
