#!/bin/sh
# Builds everything from scratch in build-test/ and runs every test.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
build=$here/build-test
rm -rf "$build"
"$here/scripts/build.sh" "$build"
cd "$build"
ctest --output-on-failure -j 2
