#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, into build-fuzz/) and runs each in turn for the seconds
# given (default 20) on a copy of its seed corpus in fuzz/corpus/. Any finding (a crash, a
# sanitizer report, a broken check, a leak, an input running over 25 s) stops the run with a
# failure and leaves the input in build-fuzz/findings/. Further arguments go to every target
# (for example -jobs=2 or -max_len=100000).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
shift || true

CC=clang CXX=clang++ scripts/build.sh build-fuzz -DTANDERA_FUZZ=ON

# The targets write their scratch files under TMPDIR: memory, where there is some, spares the
# disk a sync per reload.
scratch=$(mktemp -d -p /dev/shm 2>/dev/null || mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export TMPDIR=$scratch
mkdir -p build-fuzz/findings

targets=(data_line statement_reader line_reader)
for target in "${targets[@]}"; do
    echo "== fuzz_$target: $seconds s"
    cp -r "fuzz/corpus/$target" "$scratch/corpus-$target"
    options=(-max_total_time="$seconds" -timeout=25 -print_final_stats=1
             -artifact_prefix="build-fuzz/findings/$target-")
    if [[ -f fuzz/$target.dict ]]; then
        options+=(-dict="fuzz/$target.dict")
    fi
    status=0
    build-fuzz/fuzz/"fuzz_$target" "${options[@]}" "$@" "$scratch/corpus-$target" \
        >"$scratch/$target.log" 2>&1 || status=$?
    # The lines of every new input and the dictionary libFuzzer recommends would drown the rest.
    grep -v -e '^#[0-9]*[[:space:]]*\(NEW\|REDUCE\|pulse\)' -e '^[[:space:]]NEW_FUNC' \
        -e '^"' -e 'ecommended dictionary' "$scratch/$target.log" || true
    if ((status != 0)); then
        echo "fuzz_$target found a problem (exit $status); its input is in build-fuzz/findings/" >&2
        exit 1
    fi
done
echo "fuzz: ${#targets[@]} passed, 0 failed"
