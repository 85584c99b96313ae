# Sourced by every script that runs Windows programs; the one place that picks
# the architecture, its build tree, its Wine loader and its prefix.
#   source scripts/wine-env.sh [<prefix>]
# The architecture is KORVAST_ARCH (win32 or win64); unset, win32 where this
# host runs 32-bit code and win64 elsewhere. Its build tree is build/<arch>
# (or KORVAST_BUILD), its prefix the build tree's own (never the user's) or the
# one given. Wine is quiet and without the .NET and HTML engines, and has a
# display (a virtual one when there is none; when this started it, its process
# is in KORVAST_XVFB for the caller to end).
# With KORVAST_BUILD_ONLY=1 it only picks the architecture and build tree.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Some hosts run no 32-bit user code at all: their kernel refuses to start the
# 32-bit dynamic loader, and so Wine's 32-bit loader too.
korvast_host_runs_32bit() {
  local loader
  for loader in /lib/ld-linux.so.2 /usr/lib/i386-linux-gnu/ld-linux.so.2; do
    [ -e "$loader" ] && "$loader" --version >/dev/null 2>&1 && return 0
  done
  return 1
}

# The architectures this host can test, best first: both where it runs 32-bit code.
korvast_host_architectures() {
  if korvast_host_runs_32bit; then echo "win32 win64"; else echo "win64"; fi
}

if [ -z "${KORVAST_ARCH:-}" ]; then
  if korvast_host_runs_32bit; then KORVAST_ARCH=win32; else KORVAST_ARCH=win64; fi
fi
case "$KORVAST_ARCH" in
  win32) korvast_toolchain="$root/cmake/mingw-i686.cmake"; korvast_loader=wine ;;
  win64) korvast_toolchain="$root/cmake/mingw-x86_64.cmake"; korvast_loader=wine64 ;;
  *) echo "Unknown architecture '$KORVAST_ARCH' (win32 or win64)" >&2; return 1 ;;
esac
export KORVAST_ARCH
export KORVAST_BUILD="${KORVAST_BUILD:-$root/build/$KORVAST_ARCH}"
[ "${KORVAST_BUILD_ONLY:-0}" = 1 ] && return 0

# The `wine` command and the launcher behind wineboot, winepath and regsvr32
# take the 32-bit loader whenever it is installed: name the loader here.
korvast_wine_dir=$(dirname "$(readlink -f "$(command -v wineserver)")")
export WINELOADER="$korvast_wine_dir/$korvast_loader"
wine() { "$WINELOADER" "$@"; }
wineboot() { "$WINELOADER" wineboot.exe "$@"; }
winepath() { "$WINELOADER" winepath.exe "$@"; }
regsvr32() { "$WINELOADER" regsvr32.exe "$@"; }
export -f wine wineboot winepath regsvr32

export WINEPREFIX="${1:-${WINEPREFIX:-$KORVAST_BUILD/wineprefix}}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# One virtual display per build tree, found again by the next shell that
# sources this, so that repeated commands do not leave a display each.
display_file="$KORVAST_BUILD/.virtual-display"
if [ -z "${DISPLAY:-}" ]; then
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
  echo "Creating the $KORVAST_ARCH Wine prefix $WINEPREFIX (about 20 s, once)"
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1
  wineserver -w
fi
# Window captions draw their buttons with Wine's own "Marlett", which this
# Wine does not find in its data folder: the prefix gets a copy.
if [ ! -f "$WINEPREFIX/drive_c/windows/Fonts/marlett.ttf" ]; then
  mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
  cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
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
