#!/bin/sh
# run-test.sh offscreen|x11 <test binary> [args...]
# Runs one test with a private home so that no test reads or writes the user's own files.
set -eu
mode=$1
shift

root=$(mktemp -d "${TMPDIR:-/tmp}/clipwise-test.XXXXXX")
xvfb_pid=
cleanup() {
    if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    rm -rf "$root"
}
trap cleanup EXIT INT TERM

mkdir -p "$root/home" "$root/config" "$root/data" "$root/cache" "$root/runtime"
chmod 700 "$root/runtime"
export HOME="$root/home"
export XDG_CONFIG_HOME="$root/config"
export XDG_DATA_HOME="$root/data"
export XDG_CACHE_HOME="$root/cache"
export XDG_RUNTIME_DIR="$root/runtime"
unset DBUS_SESSION_BUS_ADDRESS
export LC_ALL=C.UTF-8 LANG=C.UTF-8 LANGUAGE=

if [ "$mode" = x11 ]; then
    # -noreset keeps the root window's picture when the last client leaves.
    for n in $(seq 91 140); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 "${CLIPWISE_TEST_SCREEN:-1280x800x24}" -noreset -nolisten tcp \
            >"$root/xvfb.log" 2>&1 &
        xvfb_pid=$!
        for _ in $(seq 1 100); do
            [ -e "/tmp/.X11-unix/X$n" ] && break
            sleep 0.05
        done
        if [ -e "/tmp/.X11-unix/X$n" ]; then
            export DISPLAY=":$n"
            break
        fi
        kill "$xvfb_pid" 2>/dev/null || true
        xvfb_pid=
    done
    [ -n "$xvfb_pid" ] || { echo "run-test.sh: could not start Xvfb" >&2; exit 1; }
    export QT_QPA_PLATFORM=xcb
else
    export QT_QPA_PLATFORM=offscreen
    unset DISPLAY
fi

"$@"
