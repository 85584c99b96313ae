# Sourced by the end-to-end test scripts: installs the simulated product (with
# Maldrin and Tovenar) into a fresh prefix of the test's own under the build
# tree, with one Wine server for the whole run and unmanaged windows, so that
# dialogs close at once without a window manager on the virtual display.
#   product_prefix <build folder> <work folder name>
# Sets WINEPREFIX; returns non-zero, after printing the install log, on failure.
product_prefix() {
    local build=$1 work="$1/$2"
    local root
    root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
    export WINEPREFIX="$work/prefix"
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
    rm -rf "$work"
    mkdir -p "$work"
    if ! KORVAST_SKIP_BUILD=1 KORVAST_BUILD="$build" bash "$root/scripts/install-product.sh" "$WINEPREFIX" >"$work/install.log" 2>&1; then
        echo "FAIL: install-product.sh failed:"
        cat "$work/install.log"
        return 1
    fi
    wineserver -p
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
}
