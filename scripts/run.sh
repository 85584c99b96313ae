#!/bin/bash
# Builds everything, installs the simulated Korvast product into the build
# tree's Wine prefix, and starts what can be run so far on it.
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/build.sh"
KORVAST_SKIP_BUILD=1 bash "$root/scripts/install-product.sh"
echo
echo "The simulated Korvast product is installed into $root/build/wineprefix (C:\\Program Files\\Selvo\\Korvast)."
echo "The programs Tovenar and Maldrin are not built yet; this command will start them once they are."
