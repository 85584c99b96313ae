#!/bin/bash
# Installs the simulated product (with Maldrin and Tovenar) into a prefix of
# its own, lays a decoy C:\Program.exe where an unquoted "C:\Program Files\..."
# would find it, and runs the end-to-end tests there.
#   e2e-test.sh <build folder> <builder_e2e.exe> <decoy.exe>
set -u
build=$1
tests=$2
decoy=$3
root=$(cd "$(dirname "$0")/../../.." && pwd)
work="$build/builder-e2e"
export WINEPREFIX="$work/prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

rm -rf "$work"
mkdir -p "$work"
if ! KORVAST_SKIP_BUILD=1 KORVAST_BUILD="$build" bash "$root/scripts/install-product.sh" "$WINEPREFIX" >"$work/install.log" 2>&1; then
    echo "FAIL: install-product.sh failed:"
    cat "$work/install.log"
    exit 1
fi
wineserver -p
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
cp "$decoy" "$WINEPREFIX/drive_c/Program.exe"
wine "$tests"
status=$?
wineserver -k 2>/dev/null
exit $status
