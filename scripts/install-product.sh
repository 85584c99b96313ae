#!/bin/bash
# Builds the simulated Korvast product and installs it into a Wine prefix:
#   bash scripts/install-product.sh [<prefix>]
# The default prefix is the build tree's own. The driver's drive M: is made
# to point at C:\KorvastViews\driver of the prefix before the set-up program
# runs, so the dynamic views of the product's data have a home.
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
[ "$KORVAST_SKIP_BUILD" = 1 ] || bash "$root/scripts/build.sh"
source "$root/scripts/wine-env.sh" "$1"
mkdir -p "$WINEPREFIX/drive_c/KorvastViews/driver"
ln -sfn ../drive_c/KorvastViews/driver "$WINEPREFIX/dosdevices/m:"
payload="Z:$(echo "$KORVAST_BUILD/productsim/payload" | tr / '\\')"
wine "$KORVAST_BUILD/productsim/setup/KorvastSetup.exe" /install "$payload"
