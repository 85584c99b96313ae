#!/bin/bash
# Builds everything and runs every test under Wine, in each build tree's own
# prefix, for every architecture this host can run: the 32-bit and the 64-bit
# build where it runs 32-bit code (so neither rots), the 64-bit one elsewhere.
#   bash scripts/test.sh [--win32|--win64]
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
KORVAST_BUILD_ONLY=1 source "$root/scripts/wine-env.sh" ""
case "${1:-}" in
  --win32|--win64) architectures=${1#--} ;;
  "") architectures=$(korvast_host_architectures) ;;
  *) echo "usage: bash scripts/test.sh [--win32|--win64]" >&2; exit 2 ;;
esac

# One architecture's build and suite, in a shell of its own.
run_suite() {
  (
    export KORVAST_ARCH=$1
    unset KORVAST_BUILD WINEPREFIX
    bash "$root/scripts/build.sh" || exit 1
    source "$root/scripts/wine-env.sh" "" || exit 1
    status=0
    (cd "$KORVAST_BUILD" && ctest --output-on-failure -j "$(nproc)" --timeout 600) || status=$?
    wineserver -k 2>/dev/null || true
    [ -z "${KORVAST_XVFB:-}" ] || kill "$KORVAST_XVFB" 2>/dev/null
    exit $status
  )
}

status=0
summary=""
for arch in $architectures; do
  echo "=== $arch: build and tests"
  started=$SECONDS
  result=passed
  run_suite "$arch" || { result=FAILED; status=1; }
  summary="$summary $arch $result in $((SECONDS - started)) s;"
done
left_out=""
if [ -z "${1:-}" ] && ! korvast_host_runs_32bit; then
  left_out=" win32 left out: this host runs no 32-bit code (its 32-bit loader ld-linux.so.2 does not start)."
fi
echo "Architectures tested:${summary%;}.$left_out"
exit $status
