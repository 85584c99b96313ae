#!/bin/bash
# Installs what the build and the tests need on a Debian machine, when missing.
set -e
packages="g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix mingw-w64-tools wine wine32 wine64 fonts-wine xvfb xauth googletest cmake make imagemagick ghostscript fonts-liberation x11-utils"
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  echo "Installing:$missing"
  SUDO=""; [ "$(id -u)" = 0 ] || SUDO=sudo
  dpkg --print-foreign-architectures | grep -q i386 || $SUDO dpkg --add-architecture i386
  # A mirror in the middle of a sync can fail one index; the others still serve.
  $SUDO apt-get update -q || echo "apt-get update failed in part; installing from the lists it has."
  # Without one architecture's security index the 32-bit parts cannot match the
  # 64-bit ones' newer versions: the release's own suite then serves both.
  codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q $missing ||
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q -t "$codename" $missing
fi
