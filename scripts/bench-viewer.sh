#!/bin/bash
# Builds everything and measures the viewer on a report of 100,000 rows
# (or on the report program given), in the build tree's prefix and display.
#   bash scripts/bench-viewer.sh [<report program, Windows path>]
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/build.sh" >/dev/null
source "$root/scripts/wine-env.sh"
status=0
wine "$KORVAST_BUILD/tests/viewer/viewer_benchmark.exe" "$@" || status=$?
wineserver -k 2>/dev/null || true
[ -n "$KORVAST_XVFB" ] && kill "$KORVAST_XVFB" 2>/dev/null
exit $status
