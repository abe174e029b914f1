#!/usr/bin/env bash
# Installs what building and running need, builds the program and the demo maker (not the
# tests, which the same build folder gets back from scripts/test.sh), makes the demo
# database demo/Kolvarin.mdb if there is none, and starts the program (the sample data files sit
# beside it in build/).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
TANDERA_TARGETS="tandera-patch tandera-makedemo" scripts/build.sh build -DTANDERA_BUILD_TESTS=OFF
mkdir -p demo
# An empty file is no database (sqlite3 leaves one behind when asked about a missing file);
# anything else is the operator's and stays as it is.
if [ -f demo/Kolvarin.mdb ] && [ ! -s demo/Kolvarin.mdb ]; then
    rm demo/Kolvarin.mdb
fi
[ -e demo/Kolvarin.mdb ] || build/tools/tandera-makedemo demo/Kolvarin.mdb
exec build/tandera-patch
