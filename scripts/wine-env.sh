# Sourced: a virtual display and the project's Wine prefix under build/.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export KORVAST_BUILD="${KORVAST_BUILD:-$root/build}"
export WINEPREFIX="$KORVAST_BUILD/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ -z "$DISPLAY" ]; then
  for n in $(seq 91 140); do
    if [ ! -e "/tmp/.X$n-lock" ]; then
      Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
      KORVAST_XVFB=$!
      export DISPLAY=":$n"
      break
    fi
  done
  sleep 1
fi
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "Creating the Wine prefix $WINEPREFIX (about 20 s, once)"
  wineboot -i >/dev/null 2>&1
  wineserver -w
fi
# Without a window manager on the virtual display, Wine waits 2 s for every
# managed window it hides (each message box a test answers); unmanaged windows
# close at once.
if ! grep -q '"Managed"="N"' "$WINEPREFIX/user.reg" 2>/dev/null; then
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  wineserver -w
fi
