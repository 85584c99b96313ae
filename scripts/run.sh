#!/bin/bash
# Builds everything, installs the simulated Korvast product with Tovenar into
# the build tree's Wine prefix, and runs a sample report in Tovenar as the
# report builder would start it:
#   bash scripts/run.sh [<report under reports\scripts\> [<argument text>]]
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
build="${KORVAST_BUILD:-$root/build}"
report="${1:-Files\\Large_Files.prl}"
arguments="${2:-LOOKIN=\\\"C:\\KorvastViews\\bob_snapshot\\\"; }"
bash "$root/scripts/build.sh"
KORVAST_SKIP_BUILD=1 bash "$root/scripts/install-product.sh"
export WINEPREFIX="$build/wineprefix" WINEDEBUG=-all
reports='C:\Program Files\Selvo\Korvast\reports'
cp "$build/viewer/Tovenar.exe" "$WINEPREFIX/drive_c/Program Files/Selvo/Korvast/reports/Tovenar.exe"
# The viewer reads back-quote switches from its raw command line; a batch file
# hands the line over unchanged, where wine's own argument quoting would not.
printf '@"%s\\Tovenar.exe" `I:"%s\\scripts\\%s" `P:%s\r\n' "$reports" "$reports" "$report" "$arguments" \
  > "$WINEPREFIX/drive_c/run-report.bat"
echo
echo "The simulated Korvast product is installed into $WINEPREFIX (C:\\Program Files\\Selvo\\Korvast),"
echo "with Tovenar.exe in its reports folder. Starting Tovenar on the report $report."
if [ -n "$DISPLAY" ]; then
  wine cmd /c 'C:\run-report.bat'
else
  echo "(No display: running on a virtual one.)"
  xvfb-run -a wine cmd /c 'C:\run-report.bat'
fi
