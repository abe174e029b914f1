#!/usr/bin/env bash
# Configures and builds into the folder given (default build/); further arguments go to CMake.
# TANDERA_TARGETS, when set, names the targets to build instead of all of them.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
shift || true
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
# shellcheck disable=SC2086 # a list of target names
cmake --build "$dir" ${TANDERA_TARGETS:+--target $TANDERA_TARGETS}
