#!/bin/bash
# Builds everything and runs every test under Wine, for every architecture
# this host can run: the 32-bit and the 64-bit build where it runs 32-bit code
# (so neither rots), the 64-bit one elsewhere. The tests run in prefixes of
# their own (build/<arch>/tests-prefix and one per end-to-end test) and on a
# virtual display of the run's own: the run command's prefix stays as it was.
#   bash scripts/test.sh [--win32|--win64]
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
KORVAST_BUILD_ONLY=1 source "$root/scripts/wine-env.sh" ""
case "${1:-}" in
  --win32|--win64) architectures=${1#--} ;;
  "") architectures=$(korvast_host_architectures) ;;
  *) echo "usage: bash scripts/test.sh [--win32|--win64]" >&2; exit 2 ;;
esac

# A zone with summer time, written as both Wine and the programs' C runtime
# read it (the runtime takes a three-letter name and an offset, and would read
# "Europe/Berlin" as a zone of its own).
summer_time_zone='CET-1CEST,M3.5.0,M10.5.0/3'

# One architecture's build and suite, in a shell of its own.
run_suite() {
  (
    export KORVAST_ARCH=$1
    unset KORVAST_BUILD WINEPREFIX
    # Nothing from the caller's environment narrows what the test programs run.
    for variable in $(compgen -e | grep -E '^(GTEST|TESTBRIDGE)_'); do unset "$variable"; done
    bash "$root/scripts/build.sh" || exit 1
    KORVAST_BUILD_ONLY=1 source "$root/scripts/wine-env.sh" "" || exit 1
    # The tests move the pointer and take the focus: never on the user's desktop.
    korvast_start_display "$KORVAST_BUILD/tests-display" || exit 1
    # Ended with this architecture's run, also when a step fails.
    trap 'kill "$KORVAST_XVFB" 2>/dev/null' EXIT
    source "$root/scripts/wine-env.sh" "$KORVAST_BUILD/tests-prefix" || exit 1
    status=0
    (cd "$KORVAST_BUILD" && ctest --no-tests=error --output-on-failure -j "$(nproc)" --timeout 600) || status=$?
    # File times read as local time depend on the zone and the season.
    echo "=== $KORVAST_ARCH: the report model's tests in the zone $summer_time_zone"
    (cd "$KORVAST_BUILD" && TZ=$summer_time_zone ctest --no-tests=error --output-on-failure -R '^reportmodel_tests$') || status=$?
    # Only the test prefix's server: the run command's programs go on.
    wineserver -k 2>/dev/null || true
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
