#!/bin/bash
# Installs the simulated product into a prefix of its own, puts Tovenar.exe
# into the product's reports folder, where the builder starts it, and runs the
# end-to-end tests there.
#   e2e-test.sh <build folder> <viewer_e2e.exe> <Tovenar.exe>
set -u
source "$(dirname "$0")/../../support/product-prefix.sh"
product_prefix "$1" viewer-e2e || { end_prefix; exit 1; }
cp "$3" "$WINEPREFIX/drive_c/Program Files/Selvo/Korvast/reports/Tovenar.exe"
wine "$2"
status=$?
end_prefix
exit $status
