# Sourced by tests/session.sh (sway, kwin or gnome) from bench/run.sh:
#   bench/wayland.sh <clipwise> <bench_screencopy> <startup probe> <remotekeys> <runs> <out> [tools]
# Launch to the screen on which the user selects, for the program (each way it gets its still
# on this desktop, each Qt platform) and the tools a user of this desktop would take instead:
#   sway   clipwise: screen copy, portal; flameshot gui; slurp (the overlay of grim + slurp)
#   kwin   clipwise: KWin's interface, portal; spectacle -r; flameshot gui
#   gnome  clipwise: portal (permission stored); flameshot gui; gnome-screenshot -a
# [tools] (default all) limits the runs to those named: clipwise flameshot spectacle slurp
# gnome-screenshot. Every tool runs as in a Wayland session of that desktop (XDG_SESSION_TYPE=
# wayland; Qt programs natively unless they choose otherwise; the program on each platform), in a
# fresh home. One line "<desktop> <tool> key=value..." per run into <out>, in ms from launch:
#   shown_ms    the compositor shows the tool's first window (or surface)
#   still_ms    the screen on which the user selects is up: the first time the tool's window is
#               full screen or covers the whole output
# timed by the compositor itself, the same way for every tool on a desktop: on sway its window
# events (swaymsg subscribe); on KWin a KWin script and on GNOME Shell an extension
# (bench/gnome-shell) that report every window the compositor maps, and each change of its size
# or full-screen state after that, in calls on the session bus that dbus-monitor stamps. Two
# overlays are not windows: slurp's layer-shell surface, which sway's events do not report, is
# timed by its own protocol log (WAYLAND_DEBUG: the first frame committed), and the shell's own
# area selection that gnome-screenshot -a asks for by the extension (when it becomes visible).
#   startup_ms  the event loop starts, and startup_cpu_ms the processor time spent by then (Qt
#               programs, through bench/startupprobe)
#   still_cpu_ms  the processor time the tool's process had spent when its selection screen was
#               seen up (which depends less than the times on how busy the machine is)
# and, from the session bus, for the program:
#   call_ms     it asks for the screenshot (start-up plus the 300 ms timer); the screen copy
#               makes no call on the bus
#   backend_ms  the portal's front end has passed the request on to its back end
#   answer_ms   the portal's answer (Response) is sent: the picture is on disk; KWin's reply
#               to the first screen's capture: its pixels are in the pipe
# Then, on sway, the screen copy alone (bench_screencopy) and the time grim alone (the portal's
# wlroots back end runs it) takes to write the screen as PNG.
clipwise=$1 screencopy=$2 probe=$3 remotekeys=$4 runs=$5 out=$6 tools=${7:-clipwise flameshot spectacle slurp gnome-screenshot}
nanos() { date +%s%N; }
dbus-monitor --session --profile >>monitor.log 2>&1 &
width=1920 height=1080
# report: prints the compositor's reports as lines of time (ms), process, full screen (1 or 0),
# width, height.
case $SESSION_DESKTOP in
sway)
    runs_of="clipwise/screencopy/wayland clipwise/screencopy/xcb clipwise/portal/wayland
             clipwise/portal/xcb flameshot slurp"
    swaymsg -m -r -t subscribe '["window"]' | jq --unbuffered -r '[(now * 1000 | floor),
        .container.pid, .container.fullscreen_mode, .container.geometry.width,
        .container.geometry.height] | @tsv' >>windows.log &
    reports() { cat windows.log; }
    width=$(swaymsg -t get_outputs | jq '.[0].rect.width')
    height=$(swaymsg -t get_outputs | jq '.[0].rect.height')
    ;;
kwin | gnome)
    if [ "$SESSION_DESKTOP" = kwin ]; then
        runs_of="clipwise/kwin/wayland clipwise/kwin/xcb clipwise/portal/wayland clipwise/portal/xcb
                 spectacle flameshot"
        # The program named as its package's menu entry names it: for the screenshot interface
        # alone. The session's entry also grants the fake input the tests drive, and for such a
        # program KWin took some 60 ms more before it answered the first request of every
        # connection (4 ms without it).
        for entry in "$XDG_DATA_HOME"/applications/trusted-*.desktop; do
            grep -v '^X-KDE-Wayland-Interfaces=' "$entry" >entry.tmp && mv entry.tmp "$entry"
        done
        kbuildsycoca5 >>sycoca.log 2>&1
        # KWin adds a Wayland window once its first frame is there, an X11 one when it maps.
        cat >still.js <<'END'
function tell(c) {
    callDBus("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "NameHasOwner",
             "still." + c.pid + "." + (c.fullScreen ? 1 : 0) + "." + c.frameGeometry.width + "." +
             c.frameGeometry.height);
}
workspace.clientAdded.connect(function (c) {
    tell(c);
    c.fullScreenChanged.connect(function () { tell(c); });
    c.frameGeometryChanged.connect(function () { tell(c); });
});
END
    else
        runs_of="clipwise/portal/wayland clipwise/portal/xcb flameshot gnome-screenshot"
        gsettings set org.gnome.shell enabled-extensions "['windows@bench.clipwise']"
        # Allowed once, as the user answered the shell's question before.
        gdbus call --session --dest org.freedesktop.impl.portal.PermissionStore --object-path \
            /org/freedesktop/impl/portal/PermissionStore --method \
            org.freedesktop.impl.portal.PermissionStore.SetPermission screenshot true screenshot '' \
            "['yes']" >/dev/null
        # The keyboard that leaves the shell's area selection; it must exist before a grab.
        mkfifo keys
        "$remotekeys" <keys >remotekeys.log 2>&1 &
        exec 4>keys
        echo Shift_L >&4
    fi
    dbus-monitor --session member=NameHasOwner >names.log 2>&1 &
    extension_on() {
        gdbus call --session --dest org.gnome.Shell --object-path /org/gnome/Shell --method \
            org.gnome.Shell.Extensions.GetExtensionInfo windows@bench.clipwise | grep -q "'state': <1.0>"
    }
    reports() {
        awk '/^method call/ { split($3, t, "="); time = t[2] }
        /string "still\./ { sub(/.*string "still\./, ""); sub(/"$/, ""); split($0, f, ".");
                            printf "%.0f\t%s\t%s\t%s\t%s\n", time * 1000, f[1], f[2], f[3], f[4] }' names.log
    }
    sleep 0.3
    if [ "$SESSION_DESKTOP" = kwin ]; then
        set -- --session --print-reply --dest=org.kde.KWin
        id=$(dbus-send "$@" /Scripting org.kde.kwin.Scripting.loadScript string:/tmp/still.js string:still |
            awk '/int32/ { print $2 }')
        dbus-send "$@" "/$id" org.kde.kwin.Script.run >/dev/null || fail "the window script does not run"
    else
        waitfor 10 extension_on || fail "the window extension is not enabled"
    fi
    ;;
esac
# tool_reports <after>: the lines of reports() about the tool (its process, or the shell's area
# selection) from the time <after> (ms) on.
tool_reports() {
    reports | awk -v p="$who" -v t="$1" '$2 == p && $1 >= t'
}
still_up() {
    tool_reports "$start" | awk -v w="$width" -v h="$height" \
        '$3 == 1 || ($4 == w && $5 == h) { f = 1 } END { exit !f }'
}
# slurp's own log (WAYLAND_DEBUG): its stamps are the wall clock in microseconds, modulo 2^32,
# printed as milliseconds. The first frame: the first commit after a buffer was attached.
slurp_frame() {
    awk -v t0="$t0" '
        BEGIN { m = 4294967296; s = ((t0 / 1000) % m) / 1000 }
        /-> wl_surface@[0-9]+\.attach\(wl_buffer/ { attached = 1 }
        attached && /-> wl_surface@[0-9]+\.commit\(\)/ {
            # The stamp is padded to seven digits with blanks: "[ 408621.123]".
            t = substr($0, index($0, "[") + 1) + 0; d = t - s; if (d < 0) d += m / 1000
            printf "%d", d; exit }' slurp.log
}
slurp_up() { [ -n "$(slurp_frame)" ]; }
wanted() { case " $tools " in *" ${1%%/*} "*) return 0 ;; esac; return 1; }
sleep 0.5
for i in $(seq 1 "$runs"); do
    for tool in $runs_of; do
        wanted "$tool" || continue
        rm -rf home && mkdir -p home/Desktop home/Pictures home/.config/flameshot
        printf '%s\n' '[General]' showHelp=false showStartupLaunchMessage=false disabledTrayIcon=true \
            showDesktopNotification=false checkForUpdates=false showSidePanelButton=false \
            >home/.config/flameshot/flameshot.ini
        : >monitor.log
        : >probe.txt
        set -- env HOME=/tmp/home XDG_CONFIG_HOME=/tmp/home/.config XDG_CACHE_HOME=/tmp/home/.cache \
            XDG_SESSION_TYPE=wayland
        case $tool in clipwise/* | flameshot | spectacle)
            set -- "$@" LD_PRELOAD="$probe" STARTUP_PROBE_OUT=/tmp/probe.txt ;;
        esac
        case $tool in
        clipwise/*)
            source=${tool#*/} && source=${source%/*}
            set -- "$@" CLIPWISE_TEST_SERVICES=loopback-only CLIPWISE_SCREEN_SOURCES="$source" \
                QT_QPA_PLATFORM="${tool##*/}" "$clipwise" ;;
        flameshot) set -- "$@" flameshot gui -p /tmp/home/Desktop ;;
        spectacle) set -- "$@" spectacle -r ;;
        slurp) set -- "$@" WAYLAND_DEBUG=1 slurp ;;
        gnome-screenshot) set -- "$@" gnome-screenshot -a ;;
        esac
        t0=$(nanos)
        start=$((t0 / 1000000))
        if [ "$tool" = slurp ]; then
            STARTUP_PROBE_T0=$t0 "$@" >/dev/null 2>slurp.log &
        else
            STARTUP_PROBE_T0=$t0 "$@" >>tools.log 2>&1 &
        fi
        pid=$!
        who=$pid
        [ "$tool" = gnome-screenshot ] && who=area
        if [ "$tool" = slurp ]; then
            waitfor 20 slurp_up || echo "$SESSION_DESKTOP/$tool: no frame" >&2
        else
            waitfor 20 still_up || echo "$SESSION_DESKTOP/$tool: no selection screen" >&2
        fi
        cpu=$(cat /proc/"$pid"/task/*/schedstat 2>/dev/null | awk '{ n += $1 } END { if (NR) printf "%d", n / 1e6; else print "-" }')
        sleep 0.5
        [ "$tool" = gnome-screenshot ] && echo Escape >&4 && sleep 0.3
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
        if [ "$tool" = slurp ]; then
            shown=$(slurp_frame) still=$shown
        else
            shown=$(tool_reports "$start" | awk -v s="$start" '{ print $1 - s; exit }')
            still=$(tool_reports "$start" | awk -v s="$start" -v w="$width" -v h="$height" \
                '$3 == 1 || ($4 == w && $5 == h) { print $1 - s; exit }')
        fi
        startup=$(awk -v p="$pid" '$1 == "pid=" p { for (i = 2; i <= NF; i++) print $i }' probe.txt |
            awk -F= '$1 == "exec_ms" { e = $2 } $1 == "cpu_ms" { c = $2 }
                     END { printf "startup_ms=%s startup_cpu_ms=%s", e ? e : "-", c ? c : "-" }')
        # Monitor lines: type, time in seconds, serial, sender, destination, path, interface,
        # member.
        awk -v s="$start" -v line="$SESSION_DESKTOP $tool shown_ms=${shown:--} still_ms=${still:--} $startup still_cpu_ms=$cpu" -F'\t' '
            function ms(t) { return sprintf("%d", t * 1000 - s) }
            $1 == "mc" && ($7 == "org.freedesktop.portal.Screenshot" ||
                           $7 == "org.kde.KWin.ScreenShot2") && !c { c = ms($2); k = $7 }
            k == "org.kde.KWin.ScreenShot2" && !caller { caller = $4; serial = $3 }
            $1 == "mr" && $5 == caller && $6 == serial && !a { a = ms($2) }
            $1 == "mc" && $7 == "org.freedesktop.impl.portal.Screenshot" && !b { b = ms($2) }
            $1 == "sig" && $8 == "Response" && !a { a = ms($2) }
            END { printf "%s call_ms=%s backend_ms=%s answer_ms=%s\n", line, c ? c : "-",
                  b ? b : "-", a ? a : "-" }' monitor.log >>"$out"
    done
    if [ "$SESSION_DESKTOP" = sway ]; then
        g0=$(nanos)
        grim /tmp/grim.png
        echo "sway grim grim_ms=$((($(nanos) - g0) / 1000000))" >>"$out"
    fi
done
if [ "$SESSION_DESKTOP" = sway ] && wanted clipwise; then
    echo "sway copy $(QT_QPA_PLATFORM=offscreen "$screencopy" 9)" >>"$out"
fi
