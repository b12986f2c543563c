#!/usr/bin/env bash
# Builds the benchmarks (Release) and runs them under a virtual X server, on which the start
# benchmarks see the windows mapped. Arguments go to corvane_bench, e.g.
#   bench/run.sh --benchmark_filter=Request --benchmark_repetitions=9
# and on two cores: taskset -c 0,1 bench/run.sh
# Needs libbenchmark-dev, libx11-dev, p7zip-full and xvfb besides what scripts/run-tests.sh needs.
set -euo pipefail
cd "$(dirname "$0")/.."
for command in 7z xvfb-run; do
  command -v "$command" > /dev/null || { echo "bench/run.sh needs $command" >&2; exit 1; }
done
dir=build/bench
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCORVANE_BUILD_BENCH=ON \
  -DCORVANE_BUILD_TESTS=OFF > /dev/null
cmake --build "$dir"
uptime
xvfb-run -a -s "-screen 0 1920x1200x24" "$dir/bench/corvane_bench" "$@"
