# Sourced by tests/session.sh (sway or kwin) from bench/run.sh:
#   bench/wayland.sh <clipwise> <bench_screencopy> <runs> <out>
# Launch to the full-screen still on the headless compositor, for each way the program gets its
# still there (sway: the compositor's screen copy; KWin: its screenshot interface; both: the
# desktop portal) and each Qt platform; one line "<desktop>/<source>/<platform> key=value..." per
# run into <out>, in milliseconds from launch:
#   shown_ms    the compositor maps the program's window
#   still_ms    the window is full screen and its frame as wide as the output
# (both from the compositor's window events: sway's IPC, a KWin script that reports them on the
# session bus) and, from the session bus:
#   call_ms     the program asks for the screenshot (start-up plus the 300 ms timer); the screen
#               copy makes no call on the bus
#   backend_ms  the portal's front end has passed the request on to its back end
#   answer_ms   the portal's answer (Response) is sent: the picture is on disk; KWin's reply
#               to the first screen's capture: its pixels are in the pipe
# Then, on sway, the screen copy alone (bench_screencopy) and the time grim alone (the portal's
# wlroots back end runs it) takes to write the screen as PNG.
clipwise=$1 screencopy=$2 runs=$3 out=$4
now() { date +%s%3N; }
dbus-monitor --session --profile >>monitor.log 2>&1 &
# windows: prints lines of time, process, full screen (1 or 0), frame width.
if [ -n "${SWAYSOCK:-}" ]; then
    desktop=sway sources="screencopy portal"
    swaymsg -m -r -t subscribe '["window"]' | jq --unbuffered -r '[(now * 1000 | floor),
        .container.pid, .container.fullscreen_mode, .container.geometry.width] | @tsv' >>windows.log &
    windows() { cat windows.log; }
    width=$(swaymsg -t get_outputs | jq '.[0].rect.width')
else
    desktop=kwin sources="kwin portal" width=1920
    # The script names each full-screen window's process and width in a call that the bus itself
    # answers; the monitor stamps it as it passes.
    cat >still.js <<'END'
function tell(c) {
    if (c.fullScreen)
        callDBus("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                 "NameHasOwner", "still." + c.pid + "." + c.frameGeometry.width);
}
workspace.clientAdded.connect(function (c) {
    tell(c);
    c.fullScreenChanged.connect(function () { tell(c); });
    c.frameGeometryChanged.connect(function () { tell(c); });
});
END
    dbus-monitor --session member=NameHasOwner >names.log 2>&1 &
    windows() {
        awk '/^method call/ { split($3, t, "="); time = t[2] }
        /string "still\./ { split($2, f, "."); sub(/"$/, "", f[3]);
                            printf "%.0f\t%s\t1\t%s\n", time * 1000, f[2], f[3] }' names.log
    }
    sleep 0.3
    set -- --session --print-reply --dest=org.kde.KWin
    id=$(dbus-send "$@" /Scripting org.kde.kwin.Scripting.loadScript string:/tmp/still.js string:still |
        awk '/int32/ { print $2 }')
    dbus-send "$@" "/$id" org.kde.kwin.Script.run >/dev/null || fail "the window script does not run"
fi
still_up() {
    windows | awk -v p="$pid" -v w="$width" '$2 == p && $3 == 1 && $4 == w { f = 1 } END { exit !f }'
}
sleep 0.5
for i in $(seq 1 "$runs"); do
    for source in $sources; do
        for platform in wayland xcb; do
            rm -rf home && mkdir -p home/Desktop
            : >monitor.log
            start=$(now)
            HOME=/tmp/home XDG_CONFIG_HOME=/tmp/home/.config XDG_CACHE_HOME=/tmp/home/.cache \
                CLIPWISE_TEST_SERVICES=loopback-only CLIPWISE_SCREEN_SOURCES=$source \
                QT_QPA_PLATFORM=$platform "$clipwise" >>clipwise.log 2>&1 &
            pid=$!
            waitfor 20 still_up || echo "$desktop/$source/$platform: no still" >&2
            sleep 0.5
            kill "$pid" 2>/dev/null || true
            wait "$pid" 2>/dev/null || true
            shown=$(windows | awk -v p="$pid" -v s="$start" '$2 == p { print $1 - s; exit }')
            still=$(windows | awk -v p="$pid" -v s="$start" -v w="$width" \
                '$2 == p && $3 == 1 && $4 == w { print $1 - s; exit }')
            # Monitor lines: type, time in seconds, serial, sender, destination, path, interface,
            # member.
            awk -v s="$start" -v p="$desktop/$source/$platform" -v shown="${shown:--}" \
                -v still="${still:--}" -F'\t' '
                function ms(t) { return sprintf("%d", t * 1000 - s) }
                $1 == "mc" && ($7 == "org.freedesktop.portal.Screenshot" ||
                               $7 == "org.kde.KWin.ScreenShot2") && !c { c = ms($2); k = $7 }
                k == "org.kde.KWin.ScreenShot2" && !caller { caller = $4; serial = $3 }
                $1 == "mr" && $5 == caller && $6 == serial && !a { a = ms($2) }
                $1 == "mc" && $7 == "org.freedesktop.impl.portal.Screenshot" && !b { b = ms($2) }
                $1 == "sig" && $8 == "Response" && !a { a = ms($2) }
                END { printf "%s shown_ms=%s still_ms=%s call_ms=%s backend_ms=%s answer_ms=%s\n",
                      p, shown, still, c ? c : "-", b ? b : "-", a ? a : "-" }' monitor.log >>"$out"
        done
    done
    if [ "$desktop" = sway ]; then
        g0=$(now)
        grim /tmp/grim.png
        echo "grim grim_ms=$(($(now) - g0))" >>"$out"
    fi
done
if [ "$desktop" = sway ]; then echo "copy $(QT_QPA_PLATFORM=offscreen "$screencopy" 9)" >>"$out"; fi
