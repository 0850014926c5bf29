#!/bin/sh
# run-test.sh offscreen|x11 <test binary> [args...]
# Runs one test with a private home so that no test reads or writes the user's own files.
set -eu
mode=$1 && shift
root=$(mktemp -d "${TMPDIR:-/tmp}/clipwise-test.XXXXXX") xvfb_pid=
trap '[ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || :; rm -rf "$root"' EXIT INT TERM
mkdir -p "$root/home" "$root/config" "$root/data" "$root/cache" && mkdir -m 700 "$root/runtime"
export HOME="$root/home" XDG_CONFIG_HOME="$root/config" XDG_DATA_HOME="$root/data" \
    XDG_CACHE_HOME="$root/cache" XDG_RUNTIME_DIR="$root/runtime"
# A desktop's Wayland session would send the capture to its screenshot portal; tests set up
# whichever session they need.
unset DBUS_SESSION_BUS_ADDRESS WAYLAND_DISPLAY XDG_SESSION_TYPE
export LC_ALL=C.UTF-8 LANG=C.UTF-8 LANGUAGE=
# Every service address of the program points at this machine's closed discard port unless a
# test names a server of its own on 127.0.0.1, so no test run ever reaches the internet.
export CLIPWISE_TEST_SERVICES=loopback-only QT_QPA_PLATFORM=offscreen
if [ "$mode" = x11 ]; then
    # -noreset keeps the root window's picture when the last client leaves; -displayfd lets
    # the server pick a free display, so tests can run side by side.
    Xvfb -displayfd 3 -screen 0 "${CLIPWISE_TEST_SCREEN:-1280x800x24}" -noreset -nolisten tcp \
        3>"$root/display" >"$root/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 200); do [ -s "$root/display" ] && break || sleep 0.05; done
    [ -s "$root/display" ] || { echo "run-test.sh: could not start Xvfb" >&2; cat "$root/xvfb.log" >&2; exit 1; }
    export DISPLAY=":$(cat "$root/display")" QT_QPA_PLATFORM=xcb
else
    unset DISPLAY
fi
"$@"
