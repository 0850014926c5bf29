#!/bin/sh
# bench/run.sh [runs]: builds the release program and measures it next to Flameshot under Xvfb at
# 1920x1080 and 3840x2160 with a desktop-like screen (bench/make-screen.sh). Medians of [runs]
# runs (default 5) per size and tool; results in build-bench/results-<size>.txt and a table on
# standard output. For a quick look while working: BENCH_SIZES="1920x1080" (sizes to run) and
# BENCH_TOOLS="clipwise" (leave Flameshot out), e.g. BENCH_SIZES=1920x1080 BENCH_TOOLS=clipwise
# bench/run.sh 1. The program's service addresses point at this machine's closed discard port
# (as in the tests), so its start-up update check and usage report run but never leave it.
# Then, as root, the Wayland path at 1920x1080: launch to the full-screen still on headless sway
# (its screen copy, the portal) and KWin (its screenshot interface, the portal), on both Qt
# platforms, split where the time goes (bench/wayland.sh), beside the X11 figure of the same run;
# results in build-bench/results-wayland.txt.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-5}
build=${BENCH_BUILD:-$here/build-bench}

"$here/scripts/deps.sh"
need=
for p in flameshot dbus libxcb-xtest0-dev; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || need="$need $p"
done
if [ -n "$need" ]; then
    [ "$(id -u)" -eq 0 ] && as_root= || as_root=sudo
    $as_root apt-get update -qq
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y -qq --no-install-recommends $need
fi

cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON >/dev/null
cmake --build "$build" -j 2 --target clipwise showpicture bench_session bench_grab \
    bench_screencopy >/dev/null

work=$(mktemp -d "${TMPDIR:-/tmp}/clipwise-bench.XXXXXX")
xvfb=
viewer=
cleanup() {
    [ -n "$viewer" ] && kill "$viewer" 2>/dev/null || true
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT INT TERM

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR) print v[int((NR + 1) / 2)]; else print "-" }'; }
field() { sed -n "s/.*$1=\([^ ]*\).*/\1/p"; }

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
        for tool in ${BENCH_TOOLS:-clipwise flameshot}; do
            home=$work/home-$tool-$i
            mkdir -p "$home/Desktop" "$home/.config/flameshot" "$home/run"
            chmod 700 "$home/run"
            printf '[General]\nshowHelp=false\nshowStartupLaunchMessage=false\ndisabledTrayIcon=true\nshowDesktopNotification=false\ncheckForUpdates=false\nshowSidePanelButton=false\n' \
                >"$home/.config/flameshot/flameshot.ini"
            if [ "$tool" = clipwise ]; then
                set -- "$build/app/clipwise"
            else
                set -- flameshot gui -p "$home/Desktop" -s
            fi
            line=$(HOME=$home XDG_CONFIG_HOME=$home/.config XDG_RUNTIME_DIR=$home/run \
                CLIPWISE_TEST_SERVICES=loopback-only dbus-run-session -- "$build/bench/bench_session" "$home/Desktop" "$@" 2>/dev/null || true)
            echo "$tool $line" >>"$out"
            rm -rf "$home"
        done
    done
    kill "$viewer" "$xvfb" 2>/dev/null || true
    wait "$viewer" "$xvfb" 2>/dev/null || true
    viewer= xvfb=

    g=$(grep '^grab ' "$out")
    echo
    echo "== $size, medians of $runs runs (selection $((w - 300))x$((h - 300))) =="
    printf '%-34s %12s %12s %8s\n' measure Clipwise Flameshot ratio
    for m in map_ms drag_cpu_ms save_ms rss_kb png_bytes; do
        a=$(grep '^clipwise ' "$out" | field "$m" | median)
        b=$(grep '^flameshot ' "$out" | field "$m" | median)
        r=$(awk -v a="$a" -v b="$b" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "-" }')
        printf '%-34s %12s %12s %8s\n' "$m" "$a" "$b" "$r"
        if [ "$m" = map_ms ]; then
            a3=$(awk -v a="$a" 'BEGIN { printf "%.1f", a - 300 }')
            printf '%-34s %12s %12s\n' "map_ms without the 300 ms timer" "$a3" "$b"
        fi
    done
    printf '%-34s %12s %12s\n' "grab_ms (shared memory / toolkit)" "$(echo "$g" | field shm_ms)" \
        "$(echo "$g" | field toolkit_ms)"
    printf '%-34s %12s\n' "grab_ms, segment made at the grab" "$(echo "$g" | field shm_cold_ms)"
done

# The same program on Wayland sessions at 1920 x 1080: headless sway (the compositor's screen copy
# or the desktop portal) and headless KWin (its screenshot interface, which it lends to the
# program named by a menu entry, or the portal). The sessions need namespaces, so root;
# BENCH_WAYLAND=0 leaves them out.
if [ "${BENCH_WAYLAND:-1}" = 1 ] && [ "$(id -u)" -eq 0 ]; then
    "$here/bench/make-screen.sh" 1920 1080 "$work/screen.png"
    out=$build/results-wayland.txt
    : >"$out"
    for desktop in sway kwin; do
        SESSION_TRUSTED=$build/app/clipwise "$here/tests/session.sh" "$desktop" "$work/screen.png" \
            "$here/bench/wayland.sh" "$build/app/clipwise" "$build/bench/bench_screencopy" "$runs" \
            "$out" >"$work/wayland.log" 2>&1 || cat "$work/wayland.log"
    done
    x11=-
    case " ${BENCH_SIZES:-1920x1080} " in
    *" 1920x1080 "*) x11=$(grep '^clipwise ' "$build/results-1920x1080.txt" | field map_ms | median) ;;
    esac
    echo
    echo "== Wayland 1920x1080, medians of $runs runs, ms from launch (X11 in this run: $x11 ms) =="
    printf '%-26s' "desktop/source/platform" && printf ' %9s' shown still call backend answer "still/X11" && echo
    for c in $(cut -d' ' -f1 "$out" | grep / | awk '!seen[$0]++'); do
        printf '%-26s' "$c"
        for m in shown_ms still_ms call_ms backend_ms answer_ms; do
            printf ' %9s' "$(grep "^$c " "$out" | field "$m" | median)"
        done
        printf ' %9s\n' "$(grep "^$c " "$out" | field still_ms | median |
            awk -v x="$x11" '$1 != "-" && x != "-" { printf "%.2f", $1 / x }')"
    done
    printf '%-40s %8s\n' "screen copy alone, all outputs (ms)" "$(field screencopy_ms <"$out")"
    printf '%-40s %8s\n' "outputs read on a connection of its own" "$(field outputs_ms <"$out")"
    printf '%-40s %8s\n' "grim alone, screen to PNG" "$(grep '^grim ' "$out" | field grim_ms | median)"
fi
