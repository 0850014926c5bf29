#!/bin/sh
# wm-e2e.sh <clipwise>: windows over the capture screen under X11 window managers with a panel
# (session.sh i3 and openbox). A dialog must show above the still with the keyboard while the
# still stays above the panel; Escape closes it and the next Escape quits without saving.
set -eu
if [ -z "${SESSION_DESKTOP:-}" ]; then # on noise whatever covers the still changes pixels
    for desktop in i3 openbox; do "$(dirname "$0")/session.sh" $desktop noise "$0" "$@" || exit; done
    exit 0
fi
clipwise=$1
need python3 import convert compare xwininfo
# The update service offers a newer build; it is held stopped until the still is on record.
mkdir -p srv/p/apps/buildsinfo && echo 'build:9;date:2099-01-01;windows:all' >srv/p/apps/buildsinfo/clipwise_win
python3 -u -m http.server --bind 127.0.0.1 --directory srv 8000 >http.log 2>&1 & server=$!
waitfor 10 grep -q Serving http.log || fail "no update service"

# pixels <picture> <region> [mask "x0,y0 x1,y1"]: how many pixels of the screen's region differ
pixels() { import -window root now.png && convert now.png "$1" ${3:+-fill black -draw "rectangle $3"} \
    -crop "$2" -metric AE -compare -format '%[distortion]' info:; }
differs() { [ "$(pixels "$@")" -gt 0 ]; }
same() { [ "$(pixels "$@")" -eq 0 ]; }
shown() { dialog=$(xdotool search --onlyvisible --name "^$title\$" | head -n 1) && [ -n "$dialog" ]; }
# Rows: name, the settings it starts with, the key that opens the dialog (- for none), the
# dialog's title. The stamp is 2000-01-01 scrambled: the start-up check is due.
while read -r name setting key title; do
    rm -rf config && mkdir -p config/Velmora
    printf '[Clipwise]\nAutoReminder=false\n%s\n' "$setting" >config/Velmora/Clipwise.conf
    kill -STOP "$server"
    launch XDG_CONFIG_HOME=/tmp/config QT_QPA_PLATFORM=xcb CLIPWISE_TEST_SERVICES=loopback-only \
        CLIPWISE_TEST_PRIMARY_BASE=http://127.0.0.1:8000/p "$clipwise"
    waitfor 10 differs bg.png 60x60+540+480 || fail "$desktop $name: no instruction box over the still"
    sleep 0.5 && import -window root still.png && kill -CONT "$server"
    [ "$key" = - ] || xdotool key "$key"
    waitfor 15 shown || fail "$desktop $name: the dialog did not open"
    eval "$(xwininfo -id "$dialog" | sed -n 's/^ *Absolute upper-left \([XY]\): *\(-*[0-9]*\)$/\1=\2/p
        s/^ *Width: /W=/p; s/^ *Height: /H=/p')"
    frame="$((X - 40)),$((Y - 40)) $((X + W + 40)),$((Y + H + 40))" # with the window manager's
    waitfor 10 differs still.png "${W}x$H+$X+$Y" || fail "$desktop $name: the dialog is not above the still"
    waitfor 5 same still.png 1920x1080+0+0 "$frame" || fail "$desktop $name: the still is covered around the dialog"
    # A click on the still, then one that gives the dialog back the keyboard: i3 then takes
    # full screen from the window below.
    xdotool mousemove 30 30 click 1 mousemove $((X + 10)) $((Y + 10)) click 1 sleep 0.5 key Escape
    waitfor 10 eval '! shown' || fail "$desktop $name: Escape left the dialog"
    waitfor 5 same still.png 1920x1080+0+0 || fail "$desktop $name: the still is not whole after the dialog"
    xdotool key Escape
    ended 10 "$desktop $name, Escape" && exited "$desktop $name" 0 0
    echo "ok: $desktop $name: the dialog shows above the still, Escape closes it, Escape quits"
done <<END
about checkupdates=false a Clipwise Info
update Stamp5=v-jnmwESsWEuWtAZ2GmV8W-kxwTc - Clipwise Updates Notification
END
