#!/bin/bash
# Installs the simulated product into a prefix of its own, lays a decoy
# C:\Program.exe where an unquoted "C:\Program Files\..." would find it, and
# runs the end-to-end tests there.
#   e2e-test.sh <build folder> <builder_e2e.exe> <decoy.exe>
set -u
source "$(dirname "$0")/../../support/product-prefix.sh"
product_prefix "$1" builder-e2e || exit 1
cp "$3" "$WINEPREFIX/drive_c/Program.exe"
wine "$2"
status=$?
wineserver -k 2>/dev/null
exit $status
