#!/bin/sh
# bench/run.sh [runs]: builds the release program and times it beside the screenshot tools a user
# of each desktop would pick instead, in the same run: medians of [runs] runs (default 5).
#   X11 (Xvfb, no window manager) at 1920x1080 and 3840x2160, with a desktop-like screen
#     (bench/make-screen.sh): the program, Flameshot (flameshot gui), Spectacle (spectacle -r);
#     each launched and driven by bench_session through the X server: launch to the full-screen
#     window mapped, start-up, CPU time of a scripted drag, release to a complete PNG, peak memory
#   sway, KWin and GNOME Shell (headless, tests/session.sh; needs root) at 1920x1080: the program
#     on both Qt platforms and each way it gets its still there, Flameshot, and slurp on sway,
#     Spectacle on KWin, gnome-screenshot -a on GNOME; launch to the screen on which the user
#     selects, timed by the compositor (bench/wayland.sh says how), and for the program where the
#     time goes: start-up, its request, the answer, the still
# Prints one table of every desktop and tool with each tool's ratio to the program, then the
# details; results stay in build-bench/results-<size>.txt and build-bench/results-wayland.txt.
# Switches: BENCH_SIZES="1920x1080" (X11 sizes), BENCH_TOOLS="clipwise" (tools: clipwise flameshot
# spectacle slurp gnome-screenshot), BENCH_WAYLAND=0 (X11 only), BENCH_DESKTOPS="sway" (Wayland
# desktops: sway kwin gnome), BENCH_PROGRAM=<executable> (another build of the program, to compare
# builds in one way). A quick look: BENCH_SIZES=1920x1080 BENCH_TOOLS=clipwise BENCH_WAYLAND=0
# bench/run.sh 1. The program's service addresses point at this machine's closed discard port (as
# in the tests), so its start-up update check and usage report run but never leave it. The peers
# are installed here, never for the tests (scripts/deps.sh).
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-5}
build=${BENCH_BUILD:-$here/build-bench}
tools=${BENCH_TOOLS:-clipwise flameshot spectacle slurp gnome-screenshot}

"$here/scripts/deps.sh"
need=
for p in dbus libxcb-xtest0-dev flameshot kde-spectacle slurp gnome-screenshot; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || need="$need $p"
done
if [ -n "$need" ]; then
    [ "$(id -u)" -eq 0 ] && as_root= || as_root=sudo
    $as_root apt-get update -qq
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y -qq --no-install-recommends $need
fi

cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON >/dev/null
cmake --build "$build" -j 2 --target clipwise showpicture remotekeys bench_session bench_grab \
    bench_screencopy startupprobe >/dev/null
program=${BENCH_PROGRAM:-$build/app/clipwise}
probe=$build/bench/libstartupprobe.so

work=$(mktemp -d "${TMPDIR:-/tmp}/clipwise-bench.XXXXXX")
xvfb=
viewer=
cleanup() {
    [ -n "$viewer" ] && kill "$viewer" 2>/dev/null || true
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT INT TERM
# on-bus.sh <ready command> <command...>: inside a bus of the run's own, the ready command (quietly),
# then the command; services that the bus started on the way end with it, so none stays behind
# holding the run's output.
cat >"$work/on-bus.sh" <<'END'
#!/bin/sh
eval "$1" >/dev/null 2>&1
shift
status=0
"$@" || status=$?
bus() { dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus "$@"; }
for name in $(bus org.freedesktop.DBus.ListNames | sed -n 's/.*string "\(:[^"]*\)".*/\1/p'); do
    pid=$(bus org.freedesktop.DBus.GetConnectionUnixProcessID "string:$name" 2>/dev/null |
        awk '/uint32/ { print $2 }')
    [ -n "$pid" ] && [ "$pid" != $$ ] && kill "$pid" 2>/dev/null
done
exit $status
END
chmod +x "$work/on-bus.sh"

median() { sort -n | awk '$1 != "-" { v[++n] = $1 } END { if (n) print v[int((n + 1) / 2)]; else print "-" }'; }
field() { sed -n "s/.* $1=\([^ ]*\).*/\1/p"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (a != "-" && b != "-" && b > 0) printf "%.2f", a / b; else print "-" }'; }
uses() { case " $tools " in *" $1 "*) return 0 ;; esac; return 1; }

x11_tools=
for tool in clipwise flameshot spectacle; do uses "$tool" && x11_tools="$x11_tools $tool"; done
for size in ${BENCH_SIZES:-1920x1080 3840x2160}; do
    w=${size%x*} h=${size#*x}
    "$here/bench/make-screen.sh" "$w" "$h" "$work/screen.png"
    rm -f "$work/display"
    # -noreset: the screen keeps its picture when a client leaves.
    Xvfb -displayfd 3 -screen 0 "${size}x24" -noreset -nolisten tcp 3>"$work/display" 2>/dev/null &
    xvfb=$!
    for _ in $(seq 1 200); do [ -s "$work/display" ] && break; sleep 0.05; done
    export DISPLAY=":$(cat "$work/display")"
    "$build/tests/helpers/showpicture" "$work/screen.png" >"$work/viewer.out" &
    viewer=$!
    for _ in $(seq 1 200); do grep -q ready "$work/viewer.out" 2>/dev/null && break; sleep 0.05; done

    out=$build/results-$size.txt
    : >"$out"
    "$build/bench/bench_grab" 9 2>/dev/null | sed 's/^/grab /' >>"$out"
    for i in $(seq 1 "$runs"); do
        for tool in $x11_tools; do
            home=$work/home-$tool-$i
            mkdir -p "$home/Desktop" "$home/.config/flameshot" "$home/run"
            chmod 700 "$home/run"
            printf '[General]\nshowHelp=false\nshowStartupLaunchMessage=false\ndisabledTrayIcon=true\nshowDesktopNotification=false\ncheckForUpdates=false\nshowSidePanelButton=false\n' \
                >"$home/.config/flameshot/flameshot.ini"
            accept= ready=true
            case $tool in
            clipwise) set -- "$program" ;;
            flameshot) set -- flameshot gui -p "$home/Desktop" -s ;;
            # Saves on Return, without its window, where -o says. Its global shortcuts service
            # runs before the launch, as on a KDE desktop (here the bus starts it on this call).
            spectacle)
                set -- spectacle -b -n -r -o "$home/Desktop/capture.png"
                ready="dbus-send --session --print-reply --dest=org.kde.kglobalaccel /kglobalaccel
                    org.freedesktop.DBus.Peer.Ping"
                accept=0xff0d ;;
            esac
            line=$(HOME=$home XDG_CONFIG_HOME=$home/.config XDG_RUNTIME_DIR=$home/run \
                CLIPWISE_TEST_SERVICES=loopback-only STARTUP_PROBE=$probe BENCH_ACCEPT_KEYSYM=$accept \
                dbus-run-session -- "$work/on-bus.sh" "$ready" "$build/bench/bench_session" \
                "$home/Desktop" "$@" 2>/dev/null || true)
            echo "$tool $line" >>"$out"
            rm -rf "$home"
        done
    done
    kill "$viewer" "$xvfb" 2>/dev/null || true
    wait "$viewer" "$xvfb" 2>/dev/null || true
    viewer= xvfb=
done

# The details of X11, per size.
label() {
    case $1 in
    clipwise) echo "Clipwise" ;;
    flameshot) echo "Flameshot (flameshot gui)" ;;
    spectacle) echo "Spectacle (spectacle -r)" ;;
    slurp) echo "slurp (grim + slurp)" ;;
    gnome-screenshot) echo "gnome-screenshot -a" ;;
    clipwise/*)
        source=${1#*/} && source=${source%/*}
        case $source in screencopy) source="screen copy" ;; kwin) source="KWin's interface" ;; esac
        case ${1##*/} in wayland) platform="Qt on Wayland" ;; *) platform=XWayland ;; esac
        echo "Clipwise, $source, $platform" ;;
    esac
}
for size in ${BENCH_SIZES:-1920x1080 3840x2160}; do
    w=${size%x*} h=${size#*x}
    out=$build/results-$size.txt
    echo
    echo "== X11 $size, medians of $runs runs (selection $((w - 300))x$((h - 300))) =="
    printf '%-34s' measure && for tool in $x11_tools; do printf ' %10s' "$tool"; done && echo
    for m in map_ms startup_ms startup_cpu_ms drag_cpu_ms save_ms rss_kb png_bytes; do
        printf '%-34s' "$m"
        for tool in $x11_tools; do printf ' %10s' "$(grep "^$tool " "$out" | field "$m" | median)"; done
        echo
    done
    g=$(grep '^grab ' "$out")
    printf '%-34s %10s\n' "clipwise map_ms less its 300 ms" \
        "$(grep '^clipwise ' "$out" | field map_ms | median | awk '$1 != "-" { printf "%.1f", $1 - 300 }')"
    printf '%-34s %10s %10s\n' "grab_ms (shared memory / toolkit)" "$(echo "$g" | field shm_ms)" \
        "$(echo "$g" | field toolkit_ms)"
    printf '%-34s %10s\n' "grab_ms, segment made at the grab" "$(echo "$g" | field shm_cold_ms)"
done

# The Wayland desktops at 1920 x 1080. The sessions need namespaces, so root.
wayland=$build/results-wayland.txt
measured=
if [ "${BENCH_WAYLAND:-1}" = 1 ] && [ "$(id -u)" -eq 0 ]; then
    measured=$wayland
    "$here/bench/make-screen.sh" 1920 1080 "$work/screen.png"
    : >"$wayland"
    for desktop in ${BENCH_DESKTOPS:-sway kwin gnome}; do
        # KWin lends its screenshot interface to the program named by a desktop file; GNOME Shell
        # finds the benchmark's extension among the system's data folders.
        SESSION_TRUSTED=$program XDG_DATA_DIRS="$here/bench:${XDG_DATA_DIRS:-/usr/local/share:/usr/share}" \
            "$here/tests/session.sh" "$desktop" "$work/screen.png" "$here/bench/wayland.sh" "$program" \
            "$build/bench/bench_screencopy" "$probe" "$build/tests/helpers/remotekeys" "$runs" \
            "$wayland" "$tools" >"$work/wayland.log" 2>&1 || cat "$work/wayland.log"
        grep -v '^HEADLESS' "$work/wayland.log" || true
    done
fi

# The table: every desktop and tool, launch to the screen on which the user selects.
x11=-
[ -f "$build/results-1920x1080.txt" ] && x11=$(grep '^clipwise ' "$build/results-1920x1080.txt" | field map_ms | median)
echo
echo "== Launch to the screen on which the user selects, ms, medians of $runs runs =="
echo "   ratio: the tool's time over the program's (the first Clipwise row of its desktop);"
echo "   start-up: launch to the event loop (Qt programs)"
printf '%-15s %-40s %8s %6s %9s\n' desktop tool ms ratio start-up
for size in ${BENCH_SIZES:-1920x1080 3840x2160}; do
    out=$build/results-$size.txt
    reference=$(grep '^clipwise ' "$out" | field map_ms | median)
    for tool in $x11_tools; do
        ms=$(grep "^$tool " "$out" | field map_ms | median)
        printf '%-15s %-40s %8s %6s %9s\n' "X11 $size" "$(label "$tool")" "$ms" \
            "$(ratio "$ms" "$reference")" "$(grep "^$tool " "$out" | field startup_ms | median)"
    done
done
if [ -n "$measured" ] && [ -s "$wayland" ]; then
    for desktop in $(cut -d' ' -f1 "$wayland" | awk '!seen[$0]++'); do
        rows=$(awk -v d="$desktop" '$1 == d && $2 != "grim" && $2 != "copy" { print $2 }' "$wayland" | awk '!seen[$0]++')
        reference=$(grep "^$desktop $(echo "$rows" | grep '^clipwise/' | head -n 1) " "$wayland" | field still_ms | median)
        for tool in $rows; do
            ms=$(grep "^$desktop $tool " "$wayland" | field still_ms | median)
            printf '%-15s %-40s %8s %6s %9s\n' "$desktop" "$(label "$tool")" "$ms" \
                "$(ratio "$ms" "$reference")" "$(grep "^$desktop $tool " "$wayland" | field startup_ms | median)"
        done
    done

    echo
    echo "== The program on Wayland, 1920x1080: where the time goes, ms from launch, medians of $runs =="
    echo "   (X11 1920x1080 in this run: launch to the still $x11 ms, start-up $(grep '^clipwise ' "$build/results-1920x1080.txt" 2>/dev/null | field startup_ms | median) ms)"
    printf '%-40s' "desktop: way, platform" && printf ' %8s' start-up cpu call backend answer shown still "still/X11" && echo
    grep ' clipwise/' "$wayland" | cut -d' ' -f1,2 | awk '!seen[$0]++' | while read -r desktop tool; do
        printf '%-40s' "$desktop: $(label "$tool" | sed 's/^Clipwise, //')"
        for m in startup_ms startup_cpu_ms call_ms backend_ms answer_ms shown_ms still_ms; do
            printf ' %8s' "$(grep "^$desktop $tool " "$wayland" | field "$m" | median)"
        done
        printf ' %8s\n' "$(ratio "$(grep "^$desktop $tool " "$wayland" | field still_ms | median)" "$x11")"
    done
    if grep -q '^sway copy ' "$wayland"; then
        printf '%-40s %8s\n' "sway: screen copy alone, all outputs" "$(grep '^sway copy ' "$wayland" | field screencopy_ms)"
        printf '%-40s %8s\n' "sway: outputs read on a connection" "$(grep '^sway copy ' "$wayland" | field outputs_ms)"
        printf '%-40s %8s\n' "sway: grim alone, screen to PNG" "$(grep '^sway grim ' "$wayland" | field grim_ms | median)"
    fi
fi
