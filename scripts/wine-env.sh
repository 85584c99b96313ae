# Sourced by every script that runs Windows programs; the one place that picks
# the architecture, its build tree, its Wine loader and its prefix.
#   source scripts/wine-env.sh [<prefix>]
# The architecture is KORVAST_ARCH (win32 or win64); unset, win32 where this
# host runs 32-bit code and win64 elsewhere. Its build tree is build/<arch>
# (or KORVAST_BUILD), its prefix the one given or else the run command's,
# build/<arch>/wineprefix (never the user's own); the test programs have theirs,
# build/<arch>/tests-prefix and one per end-to-end test. Wine is quiet and
# without the .NET and HTML engines, and has a display (a virtual one when
# there is none; when this started it, its process is in KORVAST_XVFB for the
# caller to end). TMPDIR stays the caller's, but for the tests' prefix.
# With KORVAST_BUILD_ONLY=1 it only picks the architecture and build tree.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Starts a virtual display of the caller's own: Xvfb picks a free display
# itself and writes its number into <file> once it is ready, so displays
# started together never take the same one. Sets DISPLAY, and KORVAST_XVFB
# for the caller to end.
#   korvast_start_display <file>
korvast_start_display() {
  local file=$1
  rm -f "$file"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$file" >/dev/null 2>&1 &
  KORVAST_XVFB=$!
  for _ in $(seq 1 100); do
    [ -s "$file" ] && break
    sleep 0.1
  done
  if [ ! -s "$file" ]; then
    echo "The virtual display (Xvfb) did not start" >&2
    kill "$KORVAST_XVFB" 2>/dev/null
    return 1
  fi
  export DISPLAY=":$(tr -d '\n' <"$file")"
}

# Wine finds a prefix's server by the socket folder the server keeps under
# TMPDIR: a program started on the prefix with another TMPDIR starts a second
# server, and the two overwrite each other's registry. So every program of a
# prefix must see the same TMPDIR. A prefix the user shares (the run command's,
# any named to install-product.sh) is reached with the user's own, which their
# other programs see too; a test prefix, which nobody else opens, keeps its
# server's folder in the build tree, so that a test run leaves nothing in /tmp.
#   korvast_keep_servers_in <folder>
korvast_keep_servers_in() {
  export TMPDIR=$1
  mkdir -p "$TMPDIR"
}

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
# Wine's processes run without the kernel's address randomization, which each
# process they start inherits. This Wine has no preloader to keep its fixed
# addresses free: a 64-bit loader's heap lands anywhere within 1 GB above it,
# and about one start in a few thousand finds it over the shared user data at 0x7ffe0000
# ("failed to map the shared user data: c0000018"); the new process dies and
# CreateProcess fails with ERROR_INTERNAL_ERROR (1359). Where the machine
# refuses the switch (a container's system-call filter may), Wine starts as it is.
KORVAST_FIXED_ADDRESSES="setarch $(uname -m) --addr-no-randomize"
$KORVAST_FIXED_ADDRESSES true 2>/dev/null || KORVAST_FIXED_ADDRESSES=
export KORVAST_FIXED_ADDRESSES
korvast_loader_run() { $KORVAST_FIXED_ADDRESSES "$WINELOADER" "$@"; }
wine() { korvast_loader_run "$@"; }
wineboot() { korvast_loader_run wineboot.exe "$@"; }
winepath() { korvast_loader_run winepath.exe "$@"; }
regsvr32() { korvast_loader_run regsvr32.exe "$@"; }
export -f korvast_loader_run wine wineboot winepath regsvr32

korvast_prefix="${1:-${WINEPREFIX:-$KORVAST_BUILD/wineprefix}}"
case "$korvast_prefix" in
  /*) ;;
  *) korvast_prefix="$PWD/$korvast_prefix" ;;
esac
export WINEPREFIX="$korvast_prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# ctest's runs and a shell that sources this for the tests' prefix see the
# same TMPDIR; any other prefix is reached with the caller's.
if [ "$WINEPREFIX" = "$KORVAST_BUILD/tests-prefix" ]; then
  korvast_keep_servers_in "$KORVAST_BUILD/tmp"
fi
# One virtual display per build tree, found again by the next shell that
# sources this, so that repeated commands do not leave a display each.
display_file="$KORVAST_BUILD/.virtual-display"
if [ -z "${DISPLAY:-}" ]; then
  n=$(cat "$display_file" 2>/dev/null || true)
  if [ -n "$n" ] && xdpyinfo -display ":$n" >/dev/null 2>&1; then
    export DISPLAY=":$n"
  else
    mkdir -p "$KORVAST_BUILD"
    korvast_start_display "$display_file" || return 1
  fi
fi
mkdir -p "$WINEPREFIX"
# Programs that start together in a new prefix (ctest -j) set it up once;
# the Wine processes started meanwhile do not keep the lock.
{
flock 9
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "Creating the $KORVAST_ARCH Wine prefix $WINEPREFIX (about 20 s, once)"
  wineboot -i >/dev/null 2>&1 9>&-
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
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 9>&-
  wineserver -w
fi
# Programs ask for "Arial", which Wine does not have; its fonts are read when
# a process starts, so the replacement is there before the first one.
if ! grep -q '"Arial"="Liberation Sans"' "$WINEPREFIX/user.reg" 2>/dev/null; then
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /d 'Liberation Sans' /f >/dev/null 2>&1 9>&-
  wineserver -w
fi
} 9>"$WINEPREFIX/.korvast-setup.lock"
