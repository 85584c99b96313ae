#!/bin/bash
# Builds everything and measures the viewer on a report of 100,000 rows, then
# on one of 1,000,000 rows, which must run to "Completed" and close; or on the
# report program given, with its argument text. In a prefix of its own,
# build/<arch>/bench-prefix: it ends that prefix's Wine when it is done, which
# ends neither the run command's programs nor a test run's. For the
# architecture given (by default the one scripts/run.sh uses).
#   bash scripts/bench-viewer.sh [--win32|--win64] [<report program, Windows path> [<argument text>]]
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
case "${1:-}" in
  --win32|--win64) export KORVAST_ARCH=${1#--}; shift ;;
esac
bash "$root/scripts/build.sh" >/dev/null
KORVAST_BUILD_ONLY=1 source "$root/scripts/wine-env.sh" ""
source "$root/scripts/wine-env.sh" "$KORVAST_BUILD/bench-prefix"
echo "Measuring the $KORVAST_ARCH build ($(uname -m) host, $(nproc) cores)."
benchmark="$KORVAST_BUILD/tests/viewer/viewer_benchmark.exe"
status=0
if [ $# -gt 0 ]; then
  wine "$benchmark" "$@" || status=$?
else
  wine "$benchmark" || status=$?
  echo
  report=$(winepath -w "$KORVAST_BUILD/tests/viewer/Hundred_Thousand_Rows.exe")
  wine "$benchmark" "$report" 1000000 || status=$?
fi
wineserver -k 2>/dev/null || true
[ -z "${KORVAST_XVFB:-}" ] || kill "$KORVAST_XVFB" 2>/dev/null
exit $status
