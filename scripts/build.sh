#!/bin/bash
# Configures (once) and builds everything for one architecture into its build
# tree (build/win32 or build/win64; see wine-env.sh).
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup.sh"
KORVAST_BUILD_ONLY=1 source "$root/scripts/wine-env.sh" ""
if [ ! -f "$KORVAST_BUILD/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$KORVAST_BUILD" -DCMAKE_TOOLCHAIN_FILE="$korvast_toolchain" -DCMAKE_BUILD_TYPE=Release
fi
cmake --build "$KORVAST_BUILD" -j "$(nproc)"
