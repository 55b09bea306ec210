#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, ASan, UBSan) in build-fuzz and runs each for
# SECONDS (default 60) on its seed corpus, printing executions and time per target.
# New corpus entries go to build-fuzz/corpus/<target>, findings to build-fuzz/findings/.
# Usage: scripts/fuzz.sh [SECONDS] [TARGET...]
# With SPANTORA_FUZZ_RUNS=N a target stops after N executions, SECONDS staying the limit.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${SPANTORA_FUZZ_BUILD_DIR:-$ROOT/build-fuzz}"
SECONDS_PER_TARGET="${1:-60}"
shift || true
CLANG="${CLANG:-$(command -v clang++-14 || command -v clang++)}"

if [ ! -f "$BUILD/build.ninja" ]; then
    cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER="$CLANG" \
        -DSPANTORA_CORE_ONLY=ON -DSPANTORA_FUZZ=ON
fi
cmake --build "$BUILD" -j 2 --target fuzzers

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for dir in "$ROOT"/fuzz/corpus/*/; do targets+=("$(basename "$dir")"); done
fi

mkdir -p "$BUILD/findings"
failed=()
total=0
printf '%-24s %12s %8s %s\n' target executions seconds result > "$BUILD/fuzz-summary.txt"
for t in "${targets[@]}"; do
    mkdir -p "$BUILD/corpus/$t"
    log="$BUILD/findings/$t.log"
    start=$(date +%s)
    result=ok
    "$BUILD/fuzz/$t" "$BUILD/corpus/$t" "$ROOT/fuzz/corpus/$t" -max_total_time="$SECONDS_PER_TARGET" \
        ${SPANTORA_FUZZ_RUNS:+-runs=$SPANTORA_FUZZ_RUNS} -print_final_stats=1 -timeout=20 -rss_limit_mb=2048 -artifact_prefix="$BUILD/findings/$t-" \
        > "$log" 2>&1 || { result=FINDING; failed+=("$t"); }
    took=$(( $(date +%s) - start ))
    runs=$(grep -o 'stat::number_of_executed_units: [0-9]*' "$log" | tail -n1 | grep -o '[0-9]*$' || echo 0)
    total=$(( total + runs ))
    printf '%-24s %12s %8s %s\n' "$t" "$runs" "$took" "$result" | tee -a "$BUILD/fuzz-summary.txt"
done
printf '%-24s %12s\n' total "$total" | tee -a "$BUILD/fuzz-summary.txt"
if [ ${#failed[@]} -ne 0 ]; then
    echo "Findings in: ${failed[*]} (see $BUILD/findings/)"
    exit 1
fi
