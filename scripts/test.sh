#!/bin/bash
# Builds everything and runs every test under Wine, in the build tree's own prefix.
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/build.sh"
source "$root/scripts/wine-env.sh"
status=0
(cd "${KORVAST_BUILD:-$root/build}" && ctest --output-on-failure -j "$(nproc)" --timeout 600) || status=$?
wineserver -k 2>/dev/null || true
[ -n "$KORVAST_XVFB" ] && kill "$KORVAST_XVFB" 2>/dev/null
exit $status
