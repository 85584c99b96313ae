#!/bin/bash
# Installs the simulated product into a prefix of its own, lays a decoy
# C:\Program.exe where an unquoted "C:\Program Files\..." would find it, and
# runs the end-to-end tests there with a PERL5LIB whose strict.pm fails every
# perl that sees it: the builder keeps the variable from what it starts.
#   e2e-test.sh <build folder> <builder_e2e.exe> <decoy.exe>
set -u
source "$(dirname "$0")/../../support/product-prefix.sh"
product_prefix "$1" builder-e2e || { end_prefix; exit 1; }
cp "$3" "$WINEPREFIX/drive_c/Program.exe"
poison="$1/builder-e2e/perl5lib"
mkdir -p "$poison"
echo 'die "PERL5LIB reached a report\n";' > "$poison/strict.pm"
PERL5LIB="$poison" wine "$2"
status=$?
end_prefix
exit $status
