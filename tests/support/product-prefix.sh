# Sourced by the end-to-end test scripts: installs the simulated product (with
# Maldrin and Tovenar) into a fresh prefix of the test's own under the build
# tree, with the project's Wine environment and one Wine server for the run.
#   product_prefix <build folder> <work folder name>
# Sets WINEPREFIX; returns non-zero, after printing the install log, on failure.
product_prefix() {
    local build=$1 work="$1/$2"
    local root
    root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
    WINEPREFIX="$work/prefix" wineserver -k 2>/dev/null
    rm -rf "$work"
    mkdir -p "$work"
    source "$root/scripts/wine-env.sh" "$work/prefix"
    if ! KORVAST_SKIP_BUILD=1 KORVAST_BUILD="$build" bash "$root/scripts/install-product.sh" "$WINEPREFIX" >"$work/install.log" 2>&1; then
        echo "FAIL: install-product.sh failed:"
        cat "$work/install.log"
        return 1
    fi
    # One server for the whole run; one may already be running.
    wineserver -p 2>/dev/null || true
}
