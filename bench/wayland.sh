# Sourced by tests/session.sh from bench/run.sh:
#   bench/wayland.sh <clipwise> <bench_screencopy> <runs> <out>
# Launch to the full-screen still on the headless compositor, for each way the program gets its
# still there (the compositor's screen copy, the desktop portal) and each Qt platform; one line
# "<source>/<platform> key=value..." per run into <out>, in milliseconds from launch:
#   shown_ms    the compositor maps the program's window
#   still_ms    the window is full screen and its frame as wide as the output
# (both from the compositor's window events, stamped as they arrive) and for the portal:
#   call_ms     the program asks the portal for the screenshot (start-up plus the 300 ms timer)
#   backend_ms  the portal's front end has passed the request on to the wlroots back end
#   answer_ms   the portal's answer (Response) is sent: the picture is on disk
# Then the screen copy alone (bench_screencopy) and the time grim alone (the portal's back end
# runs it) takes to write the screen as PNG.
clipwise=$1 screencopy=$2 runs=$3 out=$4
now() { date +%s%3N; }
dbus-monitor --session --profile >>monitor.log 2>&1 &
# Lines of: time, process, full screen (1 or 0), frame width.
swaymsg -m -r -t subscribe '["window"]' | jq --unbuffered -r '[(now * 1000 | floor),
    .container.pid, .container.fullscreen_mode, .container.geometry.width] | @tsv' >>windows.log &
width=$(swaymsg -t get_outputs | jq '.[0].rect.width')
still_up() {
    awk -v p="$pid" -v w="$width" '$2 == p && $3 == 1 && $4 == w { f = 1 } END { exit !f }' windows.log
}
sleep 0.5
for i in $(seq 1 "$runs"); do
    for source in screencopy portal; do
        for platform in wayland xcb; do
            rm -rf home && mkdir -p home/Desktop
            : >monitor.log
            start=$(now)
            HOME=/tmp/home XDG_CONFIG_HOME=/tmp/home/.config XDG_CACHE_HOME=/tmp/home/.cache \
                CLIPWISE_TEST_SERVICES=loopback-only CLIPWISE_SCREEN_SOURCES=$source \
                QT_QPA_PLATFORM=$platform "$clipwise" >>clipwise.log 2>&1 &
            pid=$!
            waitfor 20 still_up || echo "$source/$platform: no still" >&2
            sleep 0.5
            wtype -s 50 -k Escape
            waitfor 10 sh -c "! kill -0 $pid" || kill "$pid" 2>/dev/null || true
            wait "$pid" 2>/dev/null || true
            shown=$(awk -v p="$pid" -v s="$start" '$2 == p { print $1 - s; exit }' windows.log)
            still=$(awk -v p="$pid" -v s="$start" -v w="$width" \
                '$2 == p && $3 == 1 && $4 == w { print $1 - s; exit }' windows.log)
            # Monitor lines: type, time in seconds, serial, sender, destination, path, interface,
            # member.
            awk -v s="$start" -v p="$source/$platform" -v shown="${shown:--}" -v still="${still:--}" -F'\t' '
                function ms(t) { return sprintf("%d", t * 1000 - s) }
                $1 == "mc" && $7 == "org.freedesktop.portal.Screenshot" && !c { c = ms($2) }
                $1 == "mc" && $7 == "org.freedesktop.impl.portal.Screenshot" && !b { b = ms($2) }
                $1 == "sig" && $8 == "Response" && !a { a = ms($2) }
                END { printf "%s shown_ms=%s still_ms=%s call_ms=%s backend_ms=%s answer_ms=%s\n",
                      p, shown, still, c ? c : "-", b ? b : "-", a ? a : "-" }' monitor.log >>"$out"
        done
    done
    g0=$(now)
    grim /tmp/grim.png
    echo "grim grim_ms=$(($(now) - g0))" >>"$out"
done
echo "copy $(QT_QPA_PLATFORM=offscreen "$screencopy" 9)" >>"$out"
