# Sourced by every script that runs Windows programs: the Wine prefix (the one
# given, or the build tree's own, never the user's), quiet Wine without the
# .NET and HTML engines, and a display (a virtual one when there is none;
# when this started it, its process is in KORVAST_XVFB for the caller to end).
#   source scripts/wine-env.sh [<prefix>]
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export KORVAST_BUILD="${KORVAST_BUILD:-$root/build}"
export WINEPREFIX="${1:-${WINEPREFIX:-$KORVAST_BUILD/wineprefix}}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# One virtual display per build tree, found again by the next shell that
# sources this, so that repeated commands do not leave a display each.
display_file="$KORVAST_BUILD/.virtual-display"
if [ -z "$DISPLAY" ]; then
  n=$(cat "$display_file" 2>/dev/null || true)
  if [ -n "$n" ] && kill -0 "$(tr -d ' ' 2>/dev/null <"/tmp/.X$n-lock")" 2>/dev/null; then
    export DISPLAY=":$n"
  else
    for n in $(seq 91 400); do
      if [ ! -e "/tmp/.X$n-lock" ]; then
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        KORVAST_XVFB=$!
        export DISPLAY=":$n"
        mkdir -p "$KORVAST_BUILD"
        echo "$n" >"$display_file"
        break
      fi
    done
    sleep 1
  fi
fi
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "Creating the Wine prefix $WINEPREFIX (about 20 s, once)"
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1
  wineserver -w
fi
# Without a window manager on the virtual display, Wine waits 2 s for every
# managed window it hides (each message box a test answers, each file dialog
# closed); unmanaged windows close at once.
if ! grep -q '"Managed"="N"' "$WINEPREFIX/user.reg" 2>/dev/null; then
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  wineserver -w
fi
# Programs ask for "Arial", which Wine does not have; its fonts are read when
# a process starts, so the replacement is there before the first one.
if ! grep -q '"Arial"="Liberation Sans"' "$WINEPREFIX/user.reg" 2>/dev/null; then
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /d 'Liberation Sans' /f >/dev/null 2>&1
  wineserver -w
fi
