#!/usr/bin/env bash
# Start-up beside a bare Qt window, CPU per ship shown, and optionally the idle CPU, all from one run
# under Xvfb (benchmarks/desktop_figures.py). Builds in build-bench/ with the benchmark targets.
#   scripts/benchmark.sh            start-up and click figures
#   scripts/benchmark.sh --idle 60  and the idle CPU over 60 s
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
install_missing "${PACKAGES[@]}" libbenchmark-dev xvfb xdotool python3
BUILD="$ROOT/build-bench"
if [ ! -f "$BUILD/build.ninja" ]; then
    cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSPANTORA_BENCHMARKS=ON
fi
cmake --build "$BUILD" -j "$(nproc)" --target marvessa-spantora spantora_bare_window spantora_bench_data
exec python3 "$ROOT/benchmarks/desktop_figures.py" --app "$BUILD/src/app/marvessa-spantora" \
    --bare "$BUILD/benchmarks/spantora_bare_window" --data-tool "$BUILD/benchmarks/spantora_bench_data" "$@"
