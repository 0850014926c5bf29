#!/bin/sh
# Builds everything from scratch and runs every test, three ways:
#   build-test/       the normal build: every test;
#   build-test-asan/  program, helpers and tests with AddressSanitizer and UndefinedBehaviorSanitizer
#                     (gcc, the compiler of the normal build): every test again;
#   build-test-fuzz/  with clang: the libFuzzer targets of tests/fuzz, a few seconds each from the
#                     seed corpus in tests/fuzz/corpus.
# A failing test, a sanitizer report from any process (also from a program a test starts) or a
# fuzzer's crash or time-out fails the run.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
sanitize="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
# Qt and the platform libraries keep memory until exit by design, so leaks are not looked for.
export ASAN_OPTIONS=detect_leaks=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

build=$here/build-test
rm -rf "$build"
"$here/scripts/build.sh" "$build"
(cd "$build" && ctest --output-on-failure -j 2)

asan=$here/build-test-asan
rm -rf "$asan"
"$here/scripts/build.sh" "$asan" -DCMAKE_CXX_FLAGS="$sanitize" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
# Reports go to files, so that one from a program whose exit code a test does not look at still
# counts.
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

if ! command -v clang++-14 >/dev/null; then
    echo "test.sh: clang++-14 not found, fuzz targets skipped"
    exit 0
fi
fuzz=$here/build-test-fuzz
rm -rf "$fuzz"
CC=clang-14 CXX=clang++-14 cmake -S "$here" -B "$fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DBUILD_TESTING=OFF -DCLIPWISE_FUZZ=ON -DCMAKE_CXX_FLAGS="$sanitize -fsanitize=fuzzer-no-link" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
targets=$(ls "$here/tests/fuzz/corpus")
# shellcheck disable=SC2086
cmake --build "$fuzz" -j "$(nproc)" --target $(printf 'fuzz_%s ' $targets)
for target in $targets; do
    mkdir -p "$fuzz/found/$target"
    # New inputs go to found/, never into the repository's seeds; crash files to the build folder.
    if ! timeout 120 "$fuzz/tests/fuzz/fuzz_$target" -max_total_time=5 -timeout=10 \
        -artifact_prefix="$fuzz/" "$fuzz/found/$target" "$here/tests/fuzz/corpus/$target" \
        >"$fuzz/$target.log" 2>&1; then
        tail -n 60 "$fuzz/$target.log"
        echo "test.sh: fuzz_$target failed (crash, sanitizer report or time-out)" >&2
        exit 1
    fi
    echo "fuzz_$target: $(grep -o 'Done [0-9]* runs' "$fuzz/$target.log")"
done
