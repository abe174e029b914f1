#!/usr/bin/env bash
# Installs what is missing, builds, makes the demo database demo/Kolvarin.mdb if there is none,
# and starts the program (the sample data files sit beside it in build/).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh build
mkdir -p demo
[ -e demo/Kolvarin.mdb ] || build/tools/tandera-makedemo demo/Kolvarin.mdb
exec build/tandera-patch
