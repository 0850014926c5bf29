#!/bin/sh
# Builds everything from scratch and runs every test twice:
#   build-test/       the normal build: every test;
#   build-test-asan/  program, helpers and tests built by clang with AddressSanitizer and
#                     UndefinedBehaviorSanitizer: every test again, then the libFuzzer targets of
#                     tests/fuzz, a few seconds each from the seeds in tests/fuzz/corpus.
# A failing test, a sanitizer report from any process (also from a program that a test starts)
# or a fuzzer's crash or time-out fails the run.
# Why clang for the sanitizers: its runtime writes UBSan's reports, like ASan's, to the files that
# log_path names (gcc's writes UBSan's to stderr only, which a test may never look at), and it
# brings libFuzzer, so one build serves both.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)

build=$here/build-test
rm -rf "$build"
"$here/scripts/build.sh" "$build"
(cd "$build" && ctest --output-on-failure -j 2)

asan=$here/build-test-asan
rm -rf "$asan"
# fuzzer-no-link: coverage hooks for the fuzzers; in the test programs they cost little.
CC=clang-14 CXX=clang++-14 "$here/scripts/build.sh" "$asan" -DCLIPWISE_FUZZ=ON \
    -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined,fuzzer-no-link -fno-sanitize-recover=undefined -fno-omit-frame-pointer" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
# Qt and the platform libraries keep memory until exit by design, so leaks are not looked for.
export ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
mkdir "$asan/reports"
status=0
ASAN_OPTIONS=$ASAN_OPTIONS:log_path=$asan/reports/asan UBSAN_OPTIONS=$UBSAN_OPTIONS:log_path=$asan/reports/ubsan \
    sh -c 'cd "$1" && ctest --output-on-failure -j 2' sh "$asan" || status=$?
if [ -n "$(ls "$asan/reports")" ]; then
    for report in "$asan"/reports/*; do echo "== $report" && cat "$report"; done
    echo "test.sh: sanitizer reports above" >&2
    exit 1
fi
[ "$status" -eq 0 ] || exit "$status"

for seeds in "$here"/tests/fuzz/corpus/*; do
    target=${seeds##*/}
    mkdir -p "$asan/fuzz/$target"
    # New inputs go to the build folder, never into the repository's seeds.
    if ! timeout 120 "$asan/tests/fuzz/fuzz_$target" -max_total_time=5 -timeout=10 \
        -artifact_prefix="$asan/fuzz/" "$asan/fuzz/$target" "$seeds" >"$asan/fuzz/$target.log" 2>&1; then
        tail -n 60 "$asan/fuzz/$target.log"
        echo "test.sh: fuzz_$target failed (crash, sanitizer report or time-out)" >&2
        exit 1
    fi
    echo "fuzz_$target: $(grep -o 'Done [0-9]* runs in [0-9]* second' "$asan/fuzz/$target.log")"
done
