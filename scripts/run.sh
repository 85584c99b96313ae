#!/bin/bash
# Builds everything, installs the simulated Korvast product (with Maldrin in
# its bin folder and Tovenar in its reports folder) into the build tree's Wine
# prefix, and starts the report builder Maldrin on the product's sample reports:
#   bash scripts/run.sh [--win32|--win64]
# It runs the 32-bit programs where this host runs 32-bit code and the 64-bit
# ones elsewhere; a switch picks one. Or runs one sample report in the viewer
# Tovenar alone, with the switches the builder would write:
#   bash scripts/run.sh [--win32|--win64] viewer [<report under reports\scripts\> [<argument text>]]
# Without a display, the program shows on a virtual one; once it is idle a
# screenshot of it is saved, its path printed, and the program ended.
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
# The build tree's own prefix, whatever prefix the caller's shell names.
unset WINEPREFIX
case "${1:-}" in
  --win32|--win64) export KORVAST_ARCH=${1#--}; shift ;;
esac
KORVAST_BUILD_ONLY=1 source "$root/scripts/wine-env.sh" ""
if [ "$KORVAST_ARCH" = win32 ]; then
  echo "Running the 32-bit build."
elif korvast_host_runs_32bit; then
  echo "Running the 64-bit build."
else
  echo "Running the 64-bit build: this host runs no 32-bit code."
fi
bash "$root/scripts/build.sh"

# No display: a virtual one of this run's own, for a screenshot.
headless=0
if [ -z "${DISPLAY:-}" ]; then
  headless=1
  korvast_start_display "$KORVAST_BUILD/run-display"
  trap 'kill "$KORVAST_XVFB" 2>/dev/null' EXIT
fi
KORVAST_SKIP_BUILD=1 bash "$root/scripts/install-product.sh"
source "$root/scripts/wine-env.sh" ""
home='C:\Program Files\Selvo\Korvast'

if [ "${1:-}" = viewer ]; then
  report="${2:-Files\\Large_Files.prl}"
  arguments="${3:-LOOKIN=\\\"C:\\KorvastViews\\bob_snapshot\\\"; }"
  # The viewer reads back-quote switches from its raw command line; a batch file
  # hands the line over unchanged, where wine's own argument quoting would not.
  printf '@"%s\\reports\\Tovenar.exe" `I:"%s\\reports\\scripts\\%s" `P:%s\r\n' "$home" "$home" "$report" "$arguments" \
    > "$WINEPREFIX/drive_c/run-report.bat"
  program=(wine cmd /c 'C:\run-report.bat')
  title="Korvast Report Viewer"
  echo "Starting Tovenar on the report $report."
else
  program=(wine "$home\\bin\\Maldrin.exe")
  title="Korvast Report Builder"
  echo "Starting Maldrin, the report builder, on the simulated product's sample reports."
fi
echo "(The simulated Korvast product is installed into $WINEPREFIX, $home.)"

if [ "$headless" = 0 ]; then
  "${program[@]}"
  exit 0
fi

# A screenshot once the window has shown and settled.
"${program[@]}" &
started=$!
for _ in $(seq 1 120); do
  xwininfo -root -tree 2>/dev/null | grep -q "\"$title" && break
  sleep 0.5
done
sleep 3
shot="$KORVAST_BUILD/screenshot.png"
import -window root "$shot"
echo "No display: ran on the virtual display $DISPLAY; the screenshot is $shot."
kill "$started" 2>/dev/null || true
# Only this prefix's server: a test run beside this one goes on.
wineserver -k 2>/dev/null || true
