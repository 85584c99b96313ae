#!/bin/bash
# Installs the simulated product into a prefix of its own, puts Tovenar.exe
# into the product's reports folder, where the builder starts it, and runs the
# end-to-end tests there.
#   e2e-test.sh <build folder> <viewer_e2e.exe> <Tovenar.exe>
set -u
build=$1
tests=$2
viewer=$3
root=$(cd "$(dirname "$0")/../../.." && pwd)
work="$build/viewer-e2e"

WINEPREFIX="$work/prefix" wineserver -k 2>/dev/null
rm -rf "$work"
mkdir -p "$work"
source "$root/scripts/wine-env.sh" "$work/prefix"
if ! KORVAST_SKIP_BUILD=1 KORVAST_BUILD="$build" bash "$root/scripts/install-product.sh" "$WINEPREFIX" >"$work/install.log" 2>&1; then
    echo "FAIL: install-product.sh failed:"
    cat "$work/install.log"
    exit 1
fi
# One server for the whole run.
wineserver -p
cp "$viewer" "$WINEPREFIX/drive_c/Program Files/Selvo/Korvast/reports/Tovenar.exe"
wine "$tests"
status=$?
wineserver -k 2>/dev/null
exit $status
