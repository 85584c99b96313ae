# Sourced by the test scripts that run programs in a Wine prefix of their own
# under the build tree, with the project's Wine environment, its server's
# socket folder in <work folder>/tmp (TMPDIR), and a virtual display of the
# run's own: programs of other test runs on a shared display would take the
# pointer and the focus from its menus.
#   fresh_prefix <work folder>      a new, empty prefix in <work folder>/prefix
#   install_product <build folder>  the simulated product (with Maldrin and Tovenar) installed into it
#   one_server                      one Wine server for the rest of the run, with the prefix's services
#   product_prefix <build folder> <work folder name>   all three, under the build folder
#   end_prefix                      ends the prefix's server and the display
# Each sets WINEPREFIX; a failed installation prints its log and returns non-zero.
product_prefix_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

fresh_prefix() {
    local work=$1
    WINEPREFIX="$work/prefix" TMPDIR="$work/tmp" wineserver -k 2>/dev/null
    rm -rf "$work"
    mkdir -p "$work"
    KORVAST_BUILD_ONLY=1 source "$product_prefix_root/scripts/wine-env.sh" "$work/prefix"
    korvast_start_display "$work/display" || return 1
    korvast_keep_servers_in "$work/tmp"
    source "$product_prefix_root/scripts/wine-env.sh" "$work/prefix"
}

install_product() {
    local log="$WINEPREFIX/../install.log"
    if ! KORVAST_SKIP_BUILD=1 KORVAST_BUILD="$1" bash "$product_prefix_root/scripts/install-product.sh" "$WINEPREFIX" >"$log" 2>&1; then
        echo "FAIL: install-product.sh failed:"
        cat "$log"
        return 1
    fi
}

# After the installation, which waits for the prefix's server to end. The
# services start here, not inside a captured run, whose output would stay
# open as long as they live.
one_server() {
    wineserver -p 2>/dev/null || true
    wineboot >/dev/null 2>&1
}

product_prefix() {
    fresh_prefix "$1/$2" && install_product "$1" && one_server
}

end_prefix() {
    wineserver -k 2>/dev/null
    [ -n "${KORVAST_XVFB:-}" ] && kill "$KORVAST_XVFB" 2>/dev/null
    return 0
}
