#!/bin/bash
# Builds the simulated Korvast product and installs it into a Wine prefix:
#   bash scripts/install-product.sh [<prefix>]
# The default prefix is the build tree's own. The driver's drive M: is made
# to point at C:\KorvastViews\driver of the prefix before the set-up program
# runs, so the dynamic views of the product's data have a home.
# The prefix is reached with the caller's TMPDIR, as the caller's other Wine
# programs reach it (see wine-env.sh), and the script returns once the
# prefix's server has ended and so written the registry: a program started
# afterwards finds the registrations whichever TMPDIR it sees.
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
[ "$KORVAST_SKIP_BUILD" = 1 ] || bash "$root/scripts/build.sh"
# The virtual display wine-env.sh starts when there is none ends with this
# script, also when a step fails.
trap '[ -z "${KORVAST_XVFB:-}" ] || kill "$KORVAST_XVFB" 2>/dev/null' EXIT
source "$root/scripts/wine-env.sh" "$1"
mkdir -p "$WINEPREFIX/drive_c/KorvastViews/driver"
ln -sfn ../drive_c/KorvastViews/driver "$WINEPREFIX/dosdevices/m:"
payload="Z:$(echo "$KORVAST_BUILD/productsim/payload" | tr / '\\')"
wine "$KORVAST_BUILD/productsim/setup/KorvastSetup.exe" /install "$payload"
wineserver -w
