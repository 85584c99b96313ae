#!/bin/bash
# Builds everything, and starts what can be run so far on the simulated product.
set -e
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/build.sh"
echo
echo "Built into $root/build: the libraries envlib and reportmodel and their tests."
echo "The simulated product and the programs Tovenar and Maldrin are not built yet; this command will install and start them once they are."
