#!/bin/sh
# package-test.sh <build dir>: builds the Debian package from the build with CPack; lintian must
# find no error or warning, and every override must follow a comment that gives its reason.
set -eu
for tool in cpack dpkg-deb lintian; do command -v $tool >/dev/null ||
    { echo "SKIPPED: no $tool (scripts/deps.sh installs it)"; exit 77; }; done
out=$(mktemp -d "${TMPDIR:-/tmp}/clipwise-package.XXXXXX")
trap 'rm -rf "$out"' EXIT INT TERM
cpack --config "$1/CPackConfig.cmake" -G DEB -B "$out" >"$out/cpack.log" 2>&1 ||
    { cat "$out/cpack.log"; exit 1; }
lintian --fail-on error,warning --no-tag-display-limit "$out"/*.deb
dpkg-deb --fsys-tarfile "$out"/*.deb | tar -xO ./usr/share/lintian/overrides/clipwise 2>/dev/null |
    awk 'NF && !/^#/ && !reason { print "lintian override without a reason: " $0; bad = 1 }
         NF { reason = /^#/ } END { exit bad }'
