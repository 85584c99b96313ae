#!/bin/bash
# Installs the simulated product into a prefix of its own and checks what
# programs and report scripts see there: first the empty prefix, then the
# installation beside a user's own script, then the installed product, then
# the product with its server unregistered.
#   install-test.sh <build folder> <productsim_probe.exe>
set -u
build=$1
probe=$2
root=$(cd "$(dirname "$0")/../.." && pwd)
work="$build/productsim-install"
failures=0

expect_equal() {
    if [ "$2" == "$3" ]; then
        echo "ok: $1"
    else
        printf 'FAIL: %s\n  expected: %s\n  actual:   %s\n' "$1" "$2" "$3"
        failures=$((failures + 1))
    fi
}

expect_line() {
    if grep -qxF -- "$2" <<<"$3"; then
        echo "ok: $1"
    else
        printf 'FAIL: %s\n  missing line: %s\n  in: %s\n' "$1" "$2" "$3"
        failures=$((failures + 1))
    fi
}

# Runs a Windows program of the prefix; its output without CRs.
run() {
    wine "$@" 2>&1 | tr -d '\r'
}

source "$root/tests/support/product-prefix.sh"
fresh_prefix "$work"
# The prefix's services start here, not inside a captured run below, whose
# output would stay open as long as they live.
wineboot >/dev/null 2>&1

# The empty prefix: no settings, no server.
out=$(run "$probe")
expect_line "empty prefix has no product home" "ProductHome=(absent)" "$out"
expect_line "empty prefix has no views" "Workspaces=" "$out"
expect_line "empty prefix has no Application class" "Application=80040154" "$out"

# The installation, with a script of the user's run again and again on the
# prefix meanwhile until it creates the objects, and once more at once after
# it, both from a shell with an ordinary environment: the user's TMPDIR (the
# one the prefix's server keeps its folder in) and none of wine-env.sh's
# variables but the prefix and the loader. Each reaches the prefix's one
# server, and the registrations are in its registry file when the
# installation returns and once every server has ended.
progids="Korvast.Application Pemrick.PathChooser Sorvane.SingleTypeChooser"
user_shell() {
    env -i HOME="$HOME" PATH="$PATH" DISPLAY="$DISPLAY" TMPDIR="$work/tmp" WINEPREFIX="$WINEPREFIX" "$@"
}
user_script() {
    user_shell $KORVAST_FIXED_ADDRESSES "$WINELOADER" cscript //nologo "Z:$(tr / '\\' <<<"$root/tests/productsim/create-by-progid.js")" $progids \
        2>/dev/null | tr -d '\r'
}
registered_in_registry_file() {
    local progid
    for progid in $progids; do
        grep -qF "[Software\\\\Classes\\\\$progid]" "$WINEPREFIX/system.reg" && printf '%s ' "$progid"
    done
}
created=$(printf '%s: created\n' $progids)
# For two minutes at most; its runs follow each other closely enough to keep
# one server up.
user_script_until_created() {
    local out deadline=$((SECONDS + 120))
    until out=$(user_script); [ "$out" = "$created" ] || [ "$SECONDS" -ge "$deadline" ]; do
        sleep 0.5
    done
    echo "$out"
}
user_script_until_created >"$work/meanwhile.txt" &
meanwhile=$!
install_product "$build" || { end_prefix; exit 1; }
expect_equal "registered in the registry file when the installation returns" "$progids " "$(registered_in_registry_file)"
wait "$meanwhile"
expect_equal "created by a user's script meanwhile" "$created" "$(cat "$work/meanwhile.txt")"
expect_equal "created by a user's script at once after" "$created" "$(user_script)"
user_shell wineserver -w
expect_equal "registered in the registry file once the servers have ended" "$progids " "$(registered_in_registry_file)"
one_server
home='C:\Program Files\Selvo\Korvast'
unix_home="$WINEPREFIX/drive_c/Program Files/Selvo/Korvast"
out=$(run "$probe")
expect_line "product home" "ProductHome=$home" "$out"
expect_line "reports path" "ReportsPath=$home\\reports" "$out"
expect_line "major version" "KorvastMajorVersion=8.0" "$out"
expect_line "driver drive" "drive=M:" "$out"
expect_line "registered views" 'Workspaces=C:\KorvastViews\bob_snapshot C:\KorvastViews\carol_payments' "$out"
expect_line "Application object" "Application=0" "$out"
expect_line "the data reaches the server" "RootFolder=Web shop process" "$out"
for file in bin/KorvastQel.dll bin/libselvoks.dll bin/libselvoxdr.dll bin/libselvont.dll bin/libselvotbs.dll \
            bin/libselvoolpex.dll bin/libselvocmd.dll bin/libselvogu.dll bin/kvcmndlg.dll bin/plmfcext.dll \
            bin/kvperl.exe bin/perl.exe bin/simdata.txt bin/Sorvane.dll reports/script_tools/save_results.prl \
            reports/scripts_rightclick/Save_Selection.prl reports/scripts/Benchmark/Hundred_Thousand_Rows.exe; do
    expect_equal "installed $file" yes "$([ -f "$unix_home/$file" ] && echo yes || echo no)"
done
expect_equal "view root of a registered view" "view_tag=bob_snapshot" "$(tr -d '\r' <"$WINEPREFIX/drive_c/KorvastViews/bob_snapshot/view.dat")"
expect_equal "a folder for every repository in a view" yes \
    "$([ -d "$WINEPREFIX/drive_c/KorvastViews/carol_payments/webshop_pvob" ] && [ -d "$WINEPREFIX/drive_c/KorvastViews/carol_payments/scratch" ] && echo yes || echo no)"
expect_equal "view root on the driver's drive" "view_tag=alice_storefront" "$(tr -d '\r' <"$WINEPREFIX/drive_c/KorvastViews/driver/alice_storefront/view.dat")"

# The sample reports, run as the viewer runs them (blanks turned into '%'
# for kvperl, perl and programs; as they are for cscript).
scripts="$home\\reports\\scripts"
view='C:\KorvastViews\bob_snapshot\webshop'
out=$(run "$unix_home/bin/kvperl.exe" "$scripts\\Files\\Large_Files.prl" -i)
expect_line "self-description of a .prl report" "parameters: LOOKIN INTEGER" "$out"
out=$(run "$unix_home/bin/kvperl.exe" "$scripts\\Files\\Large_Files.prl" "LOOKIN=\"$view\";%INTEGER=\"1000\";%")
expect_equal ".prl report rows" "$view\\docs\\design.txt" "$(cut -d';' -f1 <<<"$out")"
changed_since() {
    run "$unix_home/bin/perl.exe" "$scripts\\Files\\Changed_Since.pl" "LOOKIN=\"$view\\src\";%KVTIME=\"$1\";%"
}
changed_row="^$(sed 's/\\/\\\\/g' <<<"$view")\\\\src\\\\.*;[0-9]*;[0-9][0-9]-[A-Z][a-z][a-z]-[0-9][0-9]\.[0-9:]*;[0-9]*;"
expect_equal ".pl report rows" 4 "$(grep -c "$changed_row" <<<"$(changed_since 01-Jan-20.00:00)")"
expect_equal ".pl report rows since the builder's date form" 4 "$(grep -c "$changed_row" <<<"$(changed_since 1-January-2020)")"
expect_line ".pl report refuses an unreadable date" \
    'Cannot read the date "soon": write it as 7-December-2026.14:05 or 7-December-2026.' "$(changed_since soon)"
out=$(run "$unix_home/bin/kvperl.exe" "$scripts\\Mivad\\Project_Streams.prl" 'PROJECT="project:storefront@\webshop_pvob";%')
expect_line "report over the product's data" 'stream:storefront_int@\webshop_pvob;integration;Storefront integration;0' "$out"
expect_line "report over the product's data, activities counted" "stream:alice_storefront@\\webshop_pvob;development;Alice's storefront work;2" "$out"
out=$(run cscript //nologo "$scripts\\Mivad\\Stream_Activities.js" -i)
expect_line "self-description of a .js report" "parameters: STREAM" "$out"
out=$(run cscript //nologo "$scripts\\Mivad\\Stream_Activities.js" 'STREAM="stream:alice_storefront@\webshop_pvob";')
expect_line ".js report through the automation server" 'activity:add_wishlist@\webshop_pvob;Add a wish list;alice_storefront' "$out"
out=$(run cscript //nologo "$scripts\\Mivad\\Activity_Details.vbs" 'ACTIVITY="activity:refund_flow@\webshop_pvob";')
expect_line ".vbs report through the automation server" "Project;payments" "$out"
out=$(run "$unix_home/bin/perl.exe" "$scripts\\Types\\Label_Types.pl" "LOOKIN=\"$view\";%LABEL=\"REL_1.1\";%")
expect_line "label types of the repository of a view path" 'webshop;REL_1.1;yes' "$(sed 's/^\\//' <<<"$out")"
out=$(run "$unix_home/reports/scripts/Files/Find_Text.exe" "LOOKIN=\"$view\";%STRING=\"TODO\";%")
expect_equal ".exe report rows" 3 "$(grep -c ';.*TODO' <<<"$out")"
# The argument reports show every argument as received, in order, with a
# value's ';' as ','; cscript gets the argument text with its blanks.
arguments='STRING="say%"hi"%1;2";%KVTIME="7-December-2026.14:05";%STRING="";%'
rows=$'STRING;say "hi" 1,2\nKVTIME;7-December-2026.14:05\nSTRING;'
read -ra words <<<"${arguments//%/ }"
expect_equal "argument rows of a program" "$rows" "$(run "$unix_home/reports/scripts/Arguments/Texts.exe" "$arguments")"
expect_equal "argument rows of a .prl report" "$rows" "$(run "$unix_home/bin/kvperl.exe" "$scripts\\Arguments\\Texts.prl" "$arguments")"
expect_equal "argument rows of a .js report" "$rows" "$(run cscript //nologo "$scripts\\Arguments\\Texts.js" "${words[@]}")"
expect_equal "path argument rows" $'LOOKIN;"C:\\a" "C:\\b c"\nPOLPEXS;\\webshop_pvob\nPOLPEXS;\\scratch' \
    "$(run "$unix_home/reports/scripts/Arguments/Paths.exe" 'LOOKIN=""C:\a"%"C:\b%c"";%POLPEXS="\webshop_pvob";%POLPEXS="\scratch";%')"
out=$(run "$unix_home/reports/scripts/Benchmark/Hundred_Thousand_Rows.exe")
expect_equal "benchmark report rows" 100000 "$(wc -l <<<"$out" | tr -d ' ')"

# The export script and a right-click script.
input=$'description : "Large files"\nparameters : LOOKIN=C:\\v\n  second line\nfields : "File"; "Size"; \ntime_started : Tuesday 1 12:00\ntime_ended : Tuesday 1 12:01\nresults :a<b;10;\nc,d;20;\n'
run "$unix_home/bin/kvperl.exe" "$home\\reports\\script_tools\\save_results.prl" '-html%-out%C:\export%file.htm%' <<<"$input" >/dev/null
html=$(tr -d '\r' <"$WINEPREFIX/drive_c/export file.htm" 2>/dev/null)
expect_line "HTML export rows" "<tr><td>a&lt;b</td><td>10</td></tr>" "$html"
expect_line "HTML export parameters" "<p>Parameters: LOOKIN=C:\\v<br>  second line</p>" "$html"
run "$unix_home/bin/kvperl.exe" "$home\\reports\\script_tools\\save_results.prl" '-csv%-out%C:\export.csv%' <<<"$input" >/dev/null
expect_equal "CSV export" $'File,Size\r\na<b,10\r\n"c,d",20\r' "$(cat "$WINEPREFIX/drive_c/export.csv" 2>/dev/null)"
run "$unix_home/bin/kvperl.exe" "$home\\reports\\scripts_rightclick\\Save_Selection.prl" <<<$'first\nsecond' >/dev/null
expect_equal "right-click script input" $'first\r\nsecond\r' "$(cat "$unix_home/reports/selection.txt" 2>/dev/null)"

# The type chooser control, registered by the set-up and by regsvr32.
sorvane_server() {
    run reg query 'HKCR\CLSID\{145F66D9-B32A-11D3-B9D8-00207814BCF5}\InprocServer32' /ve | grep -o 'REG_SZ.*' | sed 's/REG_SZ *//'
}
expect_equal "type chooser registered" "$home\bin\Sorvane.dll" "$(sorvane_server)"
# regsvr32's exit code is in the check's name, for a failure to tell whether
# the call failed or the registry kept the key.
wine regsvr32 /s /u "$home\bin\Sorvane.dll" >/dev/null 2>&1
expect_equal "type chooser unregistered by regsvr32 (exit code $?)" "" "$(sorvane_server)"
wine regsvr32 /s "$home\bin\Sorvane.dll" >/dev/null 2>&1
expect_equal "type chooser registered by regsvr32 (exit code $?)" "$home\bin\Sorvane.dll" "$(sorvane_server)"

# The servers unregistered, and registered again.
run "$build/productsim/setup/KorvastSetup.exe" /unregister >/dev/null
expect_line "unregistered server" "Application=80040154" "$(run "$probe")"
expect_equal "unregistered type chooser" "" "$(sorvane_server)"
run "$build/productsim/setup/KorvastSetup.exe" /register >/dev/null
expect_line "registered again" "Application=0" "$(run "$probe")"
expect_equal "type chooser registered again" "$home\bin\Sorvane.dll" "$(sorvane_server)"

end_prefix
echo "$failures failures"
[ "$failures" -eq 0 ]
