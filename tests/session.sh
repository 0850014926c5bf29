#!/bin/sh
# session.sh <desktop> <background.png|noise> <script> [arguments...]: sources the script in /tmp
# of a private desktop session showing the picture (noise: random 4 x 4 blocks, which no crop off
# by a pixel matches), and ends every process of the session with it. Desktops, 1920 x 1080 each:
#   sway   headless, wlroots portal; its outputs as SWAY_OUTPUTS lays them out (sway_layout)
#   kwin   headless, two outputs, the XWayland layout enlarged KWIN_XWAYLAND_SCALE times (1 unless
#          set); KWin lets the executables SESSION_TRUSTED names use its screenshots and fake input
#   gnome  GNOME Shell, headless, its portal and permission store; GNOME_MONITORS the sizes of its
#          virtual monitors (Meta-0, Meta-1, ...) side by side, no banners
#   i3, openbox  Xvfb with i3 and its bar, or openbox and the tint2 panel
# The script finds the functions below, SESSION_DESKTOP, PORTAL_PID, PANEL (the X11 panel's
# window) and the display and bus variables set.
set -eu
if [ "${1:-}" != --inside ]; then
    # A PID namespace ends every process started here with the script; a network namespace
    # keeps the X servers' abstract sockets apart from any other session; a mount namespace
    # gives the session its own /tmp: the portal's wlroots back end always writes /tmp/out.png.
    [ "$2" = noise ] || exec 3<"$2"
    exec unshare --mount --pid --net --fork --mount-proc "$0" --inside "$@"
fi
export SESSION_DESKTOP=$2
desktop=$2 picture=$3 script=$(realpath "$4")
shift 4
ip link set lo up
# What the caller keeps under /tmp (this checkout, a build folder) is bound back into the
# session's own /tmp, so the tests run from a clone anywhere.
outer=$(mktemp -d /run/clipwise-session.XXXXXX)
mount --bind /tmp "$outer"
mount -t tmpfs -o mode=1777 tmpfs /tmp
for path in "$0" "$script" "$@"; do
    case $path in /tmp/?*) ;; *) continue ;; esac
    top=${path#/tmp/} && top=${top%%/*}
    [ -e "$outer/$top" ] && [ ! -e "/tmp/$top" ] || continue
    if [ -d "$outer/$top" ]; then mkdir "/tmp/$top"; else : >"/tmp/$top"; fi
    mount --bind "$outer/$top" "/tmp/$top"
done
umount -l "$outer" && rmdir "$outer"
cd /tmp
if [ "$picture" = noise ]; then
    convert -size 480x270 xc: +noise Random -scale 400% -type TrueColor PNG24:bg.png
else cat <&3 >bg.png && exec 3<&-; fi
fail() { echo "FAIL: $*"; for f in /tmp/*.log; do echo "== $f"; tail -n 15 "$f"; done; exit 1; }
waitfor() { # waitfor <seconds> <command...>
    n=$(($1 * 10)); shift
    until "$@" 2>/dev/null; do n=$((n - 1)); [ "$n" -gt 0 ] || return 1; sleep 0.1; done
}
need() { for tool; do command -v "$tool" >/dev/null || fail "missing $tool (scripts/deps.sh installs it)"; done; }
owned() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner "string:$1" | grep -q true
}
# launch <variable=value...> <program>: the program in a fresh home whose Desktop folder takes
# its pictures; sets pid.
launch() {
    rm -rf home && mkdir -p home/Desktop
    env HOME=/tmp/home XDG_CONFIG_HOME=/tmp/home/.config "$@" >clipwise.log 2>&1 &
    pid=$!
}
ended() { # ended <seconds> <what>: once the program ends, rc is its exit and saved its pictures
    waitfor "$1" eval '! kill -0 "$pid"' || { kill "$pid"; fail "$2: the program did not end"; }
    rc=0 && wait "$pid" || rc=$?
    saved=$(ls -d home/Desktop/* home/*.png 2>/dev/null | wc -l)
}
exited() { # exited <what> <0, or 1 for a failure short of a signal> <pictures saved>
    [ "$rc" -lt 128 ] && [ $((rc > 0)) -eq "$2" ] && [ "$saved" -eq "$3" ] ||
        fail "$1: exit $rc, $saved files saved"
}
edge() { awk -v s="$scale" -v l="$1" 'BEGIN { printf "%d", int(l * s + 0.5) }'; } # at $scale, as the crop rounds
# judge <what> <size> <reference[crop]> <limit> [command...]: one picture saved, of that size, its
# root mean square error against the reference within the limit, and the command holds; prints
# the verdict and counts failures, which judged then reports.
failed=0
judge() {
    what=$1 size=$2 reference=$3 limit=$4 && shift 4
    got=$(identify -format %wx%h home/Desktop/*.png 2>/dev/null || echo none)
    error=$(compare -metric RMSE home/Desktop/*.png "$reference" null: 2>&1 | sed -n 's/.*(\(.*\)).*/\1/p')
    result="$what: expected $size, error at most $limit; got $got, error ${error:-none}, exit $rc"
    if [ "$rc" -eq 0 ] && [ "$saved" -eq 1 ] && [ "$got" = "$size" ] && { [ $# -eq 0 ] || "$@"; } &&
        awk -v e="${error:-1}" -v l="$limit" 'BEGIN { exit !(e <= l) }'; then echo "ok: $result"
    else echo "FAIL: $result" && failed=$((failed + 1)) && tail -n 8 clipwise.log; fi
}
judged() { [ "$failed" -eq 0 ] || fail "$failed captures differ from what $1 shows"; }
mkdir -m 700 run-root empty
export XDG_RUNTIME_DIR=/tmp/run-root
# A bus whose service folder is empty, so nothing is started behind the session's back.
session_bus() {
    cat >bus.conf <<END
<busconfig><type>session</type><listen>unix:path=/tmp/bus</listen><auth>EXTERNAL</auth>
<servicedir>/tmp/empty</servicedir><policy context="default"><allow send_destination="*"/>
<allow eavesdrop="true"/><allow own="*"/></policy></busconfig>
END
    dbus-daemon --config-file=bus.conf --nofork >bus.log 2>&1 &
    export DBUS_SESSION_BUS_ADDRESS=unix:path=/tmp/bus
    waitfor 10 test -S bus || fail "no session bus"
}
# The daemons keep their settings in the session's own home; XWayland needs the socket folder.
session_home() { # session_home <XDG_CURRENT_DESKTOP> <home>
    export HOME=$2 XDG_CURRENT_DESKTOP=$1
    export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share XDG_CACHE_HOME=$HOME/.cache
    mkdir -p "$XDG_CONFIG_HOME" && mkdir -m 1777 /tmp/.X11-unix
}

# sway_layout <outputs>: the sway commands that lay the headless outputs out, one line each.
# outputs: "NAME WxH X,Y SCALE [TRANSFORM]" entries separated by ";"; a headless output not named
# is switched off. Each output shows the background moved by a step of its own, so no two show
# the same pixels.
sway_layout() {
    echo "$1" | tr ';' '\n' | while read -r name size at scale turn; do
        [ -n "$name" ] || continue
        n=${name#HEADLESS-} picture=bg.png
        [ "$n" = 1 ] || picture=bg-$n.png
        [ -e "$picture" ] || convert bg.png -roll "+$((n * 97))+$((n * 61))" "$picture"
        echo "output $name enable resolution $size position ${at%,*} ${at#*,} scale $scale" \
            "transform ${turn:-normal} bg /tmp/$picture fill"
    done
    for n in $(seq "$headless"); do echo "$1" | grep -q "HEADLESS-$n " || echo "output HEADLESS-$n disable"; done
}
# start_portal <back end> <command...>: the back end, then the desktop portal once it owns its name.
start_portal() {
    name=$1 && shift
    "$@" >"portal-$name.log" 2>&1 &
    waitfor 10 owned "org.freedesktop.impl.portal.desktop.$name" || fail "the portal's back end did not start"
    /usr/libexec/xdg-desktop-portal >portal.log 2>&1 &
    PORTAL_PID=$!
    waitfor 10 owned org.freedesktop.portal.Desktop || fail "the desktop portal did not start"
}

start_sway() {
    need sway swaybg Xwayland xhost grim pipewire wtype jq dbus-send convert /usr/libexec/xdg-desktop-portal-wlr
    # The compositor refuses to run as root; everything else runs as root and connects to it.
    mkdir -m 700 run-sway && chown nobody:nogroup run-sway
    layout=${SWAY_OUTPUTS:-HEADLESS-1 1920x1080 0,0 1}
    headless=$(echo "$layout" | tr ';' '\n' | grep -c HEADLESS)
    cat >sway.conf <<END
$(sway_layout "$layout")
xwayland enable
default_border none
seat * hide_cursor 100
exec sh -c 'echo "\$DISPLAY" >/tmp/run-sway/display'
END
    setpriv --reuid=nobody --regid=nogroup --clear-groups env -i PATH="$PATH" HOME=/tmp \
        XDG_RUNTIME_DIR=/tmp/run-sway WLR_BACKENDS=headless WLR_HEADLESS_OUTPUTS="$headless" \
        WLR_LIBINPUT_NO_DEVICES=1 sway -c /tmp/sway.conf >sway.log 2>&1 &
    waitfor 20 test -s run-sway/display || fail "the compositor did not start"
    export SWAYSOCK="/tmp/$(ls run-sway/sway-ipc.*.sock)" DISPLAY="$(cat run-sway/display)" \
        WAYLAND_DISPLAY="/tmp/$(ls run-sway/wayland-? | head -n 1)"
    setpriv --reuid=nobody --regid=nogroup --clear-groups env -i PATH="$PATH" \
        XDG_RUNTIME_DIR=/tmp/run-sway DISPLAY="$DISPLAY" xhost +si:localuser:root >/dev/null ||
        fail "XWayland did not start"
    session_bus
    export XDG_CURRENT_DESKTOP=sway
    pipewire >pipewire.log 2>&1 &
    waitfor 10 test -S run-root/pipewire-0 || fail "pipewire did not start"
    start_portal wlr /usr/libexec/xdg-desktop-portal-wlr
}

start_kwin() {
    kde=/usr/lib/x86_64-linux-gnu/libexec
    need kwin_wayland Xwayland kbuildsycoca5 wtype jq dbus-send $kde/xdg-desktop-portal-kde
    session_home KDE /tmp/session-home && export KDE_FULL_SESSION=true
    mkdir -p "$HOME/Pictures" "$XDG_DATA_HOME/applications"
    printf '[KDE]\nAnimationDurationFactor=0\n' >"$HOME/.config/kdeglobals"
    printf '[Xwayland]\nScale=%s\n' "${KWIN_XWAYLAND_SCALE:-1}" >"$HOME/.config/kwinrc" # read at start only
    for program in ${SESSION_TRUSTED:-}; do
        printf '%s\n' '[Desktop Entry]' Type=Application "Name=${program##*/}" "Exec=$program" \
            NoDisplay=true X-KDE-DBUS-Restricted-Interfaces=org.kde.KWin.ScreenShot2 \
            X-KDE-Wayland-Interfaces=org_kde_kwin_fake_input >"$XDG_DATA_HOME/applications/trusted-${program##*/}.desktop"
    done
    session_bus
    # KWin finds the desktop files through the service cache.
    kbuildsycoca5 >sycoca.log 2>&1 || fail "no service cache"
    # The packaged binary carries a file capability that a container may not grant: a copy runs.
    cp "$(command -v kwin_wayland)" /tmp/kwin_wayland
    /tmp/kwin_wayland --virtual --width 1920 --height 1080 --output-count 2 --xwayland --socket wayland-kwin \
        "sh -c 'env >/tmp/kwin.env'" >kwin.log 2>&1 &
    waitfor 30 test -s kwin.env || fail "KWin did not start"
    export WAYLAND_DISPLAY=wayland-kwin DISPLAY XAUTHORITY
    DISPLAY=$(sed -n 's/^DISPLAY=//p' kwin.env) XAUTHORITY=$(sed -n 's/^XAUTHORITY=//p' kwin.env)
    start_portal kde env QT_QPA_PLATFORM=wayland $kde/xdg-desktop-portal-kde
}

# X11: an Xvfb of its own showing the picture; the window manager starts the panel.
start_x11() { # start_x11 <panel's window class> <window manager command...>
    class=$1 && shift
    need Xvfb xdotool display "$1"
    Xvfb :1 -screen 0 1920x1080x24 -nolisten tcp -noreset >xvfb.log 2>&1 &
    export DISPLAY=:1
    waitfor 10 test -S .X11-unix/X1 || fail "Xvfb did not start"
    display -window root bg.png || : # sets the background, yet answers 1
    "$@" >wm.log 2>&1 &
    waitfor 20 eval 'PANEL=$(xdotool search --onlyvisible --class "$class" | head -n 1) && [ -n "$PANEL" ]' ||
        fail "no panel"
}
start_i3() {
    printf '# i3 config file (v4)\nfont pango:DejaVu Sans 8\nbar {\n}\n' >i3.conf
    start_x11 i3bar i3 -c /tmp/i3.conf
}
start_openbox() {
    need tint2
    # The packaged panel's layer, in one solid colour and without the clock, so it looks the
    # same all along.
    printf '%s\n' 'rounded = 0' 'background_color = #2050a0 100' 'panel_background_id = 1' \
        'panel_items = T' 'panel_size = 100% 30' 'panel_layer = top' >tint2rc
    start_x11 tint2 openbox --startup 'tint2 -c /tmp/tint2rc'
}
leave_overview() {
    set -- gdbus call --session --dest org.gnome.Shell --object-path /org/gnome/Shell --method
    "$@" org.freedesktop.DBus.Properties.Set org.gnome.Shell OverviewActive '<false>' >/dev/null
    "$@" org.freedesktop.DBus.Properties.Get org.gnome.Shell OverviewActive | grep -q false
}
start_gnome() {
    need gnome-shell Xwayland gdbus gsettings dbus-send /usr/libexec/xdg-desktop-portal-gnome \
        /usr/libexec/xdg-permission-store /usr/libexec/dconf-service
    session_bus
    # With its home in a folder of its own the shell never said it had started; in /tmp it does.
    session_home GNOME /tmp && export XDG_SESSION_TYPE=wayland
    # The shell refuses to start without a system bus; an empty one will do. Without the
    # eavesdrop line the bus drops replies and calls hang.
    sed 's/>session</>system</; s|/tmp/bus|/tmp/system-bus|' bus.conf >system-bus.conf
    dbus-daemon --config-file=system-bus.conf --nofork >system-bus.log 2>&1 &
    export DBUS_SYSTEM_BUS_ADDRESS=unix:path=/tmp/system-bus
    waitfor 10 test -S system-bus || fail "no system bus"
    /usr/libexec/dconf-service >dconf.log 2>&1 &
    waitfor 10 owned ca.desrt.dconf || fail "dconf did not start"
    /usr/libexec/xdg-permission-store >permission-store.log 2>&1 &
    waitfor 10 owned org.freedesktop.impl.portal.PermissionStore || fail "no permission store"
    gsettings set org.gnome.desktop.background picture-options stretched
    for key in picture-uri picture-uri-dark; do gsettings set org.gnome.desktop.background $key file:///tmp/bg.png; done
    gsettings set org.gnome.desktop.interface enable-animations false
    # A notification's banner stays up while no one works at the desktop.
    gsettings set org.gnome.desktop.notifications show-banners false
    # Monitors at scales of their own each, 1.5 among them (as against one scale for all).
    gsettings set org.gnome.mutter experimental-features "['scale-monitor-framebuffer']"
    gnome-shell --headless --wayland $(printf -- '--virtual-monitor %s ' ${GNOME_MONITORS:-1920x1080}) >shell.log 2>&1 &
    waitfor 30 owned org.gnome.Shell.Screenshot || fail "the shell did not start"
    waitfor 20 test -S .X11-unix/X0 || fail "XWayland did not start"
    export WAYLAND_DISPLAY=wayland-0 DISPLAY=:0
    XAUTHORITY=$(ls run-root/.mutter-Xwaylandauth.*) && export XAUTHORITY=/tmp/$XAUTHORITY
    # It starts in the overview once started; leave that.
    waitfor 60 grep -q 'GNOME Shell started' shell.log || fail "the shell did not finish starting"
    waitfor 10 leave_overview || fail "the shell stays in its overview"
    start_portal gnome /usr/libexec/xdg-desktop-portal-gnome
}

case $desktop in sway | kwin | gnome | i3 | openbox) "start_$desktop" ;; *) fail "no such desktop: $desktop" ;; esac
. "$script"
