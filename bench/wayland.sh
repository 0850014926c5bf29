# Sourced by tests/session.sh from bench/run.sh: bench/wayland.sh <clipwise> <runs> <out>.
# Launch to the full-screen still on the headless compositor, the portal included, for each Qt
# platform; one line of key=value figures (milliseconds from launch) per run into <out>:
#   call_ms     the program asks the portal for the screenshot (start-up plus the 300 ms timer)
#   backend_ms  the portal's front end has passed the request on to the wlroots back end
#   answer_ms   the portal's answer (Response) is sent: the picture is on disk
#   shown_ms    the program has a window on the screen, of any size
#   still_ms    the window is full screen with a full-size frame
# (the last two polled after the answer, in steps of the 10-30 ms that asking the compositor takes)
# and the time grim alone (the back end runs it) takes to write the screen as PNG.
clipwise=$1 runs=$2 out=$3
now() { date +%s%3N; }
dbus-monitor --session --profile >>monitor.log 2>&1 &
sleep 0.5
for i in $(seq 1 "$runs"); do
    for platform in wayland xcb; do
        rm -rf home && mkdir -p home/Desktop
        : >monitor.log
        start=$(now)
        HOME=/tmp/home XDG_CONFIG_HOME=/tmp/home/.config XDG_CACHE_HOME=/tmp/home/.cache \
            CLIPWISE_TEST_SERVICES=loopback-only QT_QPA_PLATFORM=$platform "$clipwise" \
            >>clipwise.log 2>&1 &
        pid=$!
        shown=- still=-
        while kill -0 "$pid" 2>/dev/null && [ $(($(now) - start)) -lt 20000 ]; do
            # Asking the compositor costs a few milliseconds of processor: not before the answer.
            if ! grep -q "$(printf '\t')Response" monitor.log; then
                sleep 0.005
                continue
            fi
            state=$(swaymsg -t get_tree | jq -r "[recurse(.nodes[]?, .floating_nodes[]?)
                | select(.pid == $pid)] | if any(.[]; .fullscreen_mode == 1
                and .geometry.width == 1920) then \"full\" elif length > 0 then \"shown\" else \"-\" end")
            [ "$state" = - ] || [ "$shown" != - ] || shown=$(($(now) - start))
            if [ "$state" = full ]; then
                still=$(($(now) - start))
                break
            fi
        done
        sleep 0.5
        wtype -s 50 -k Escape
        waitfor 10 sh -c "! kill -0 $pid" || kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
        # Monitor lines: type, time in seconds, serial, sender, destination, path, interface, member.
        awk -v s="$start" -v p="$platform" -v shown="$shown" -v still="$still" -F'\t' '
            function ms(t) { return sprintf("%d", t * 1000 - s) }
            $1 == "mc" && $7 == "org.freedesktop.portal.Screenshot" && !c { c = ms($2) }
            $1 == "mc" && $7 == "org.freedesktop.impl.portal.Screenshot" && !b { b = ms($2) }
            $1 == "sig" && $8 == "Response" && !a { a = ms($2) }
            END { printf "%s call_ms=%s backend_ms=%s answer_ms=%s shown_ms=%s still_ms=%s\n",
                  p, c ? c : "-", b ? b : "-", a ? a : "-", shown, still }' monitor.log >>"$out"
    done
    g0=$(now)
    grim /tmp/grim.png
    echo "grim grim_ms=$(($(now) - g0))" >>"$out"
done
