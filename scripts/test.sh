#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once in a plain build and once under
# AddressSanitizer and UndefinedBehaviorSanitizer; then each fuzz target for 20 seconds.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --tests

scripts/build.sh build -DTANDERA_BUILD_TESTS=ON
(cd build && ctest --output-on-failure)

scripts/build.sh build-asan -DTANDERA_SANITIZE=ON
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --output-on-failure)

scripts/fuzz.sh 20
