#!/usr/bin/env bash
# The whole benchmark suite in one command: builds the bench preset (the
# tested build's flags, without the tests), runs the Google Benchmark binary
# with repetitions, randomly interleaved so that a busy machine's drift falls
# on every benchmark alike, and ending with the table of ratios; then
# bench/dialogue.sh, the program as a process. Extra arguments go to the
# Google Benchmark binary (e.g. --benchmark_filter=Product).
#   bench/run.sh [BENCHMARK_ARGUMENT...]
# REPETITIONS sets the number of repetitions (default 10), MIN_TIME the
# seconds of each (default 0.2).
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --workflow --preset bench >/dev/null
echo "=== Computations: each against its bare loop (ratio = median time / the loop's median time)"
build/bench/bench/tessarivand_bench --benchmark_repetitions="${REPETITIONS:-10}" \
  --benchmark_min_time="${MIN_TIME:-0.2}" --benchmark_enable_random_interleaving=true \
  --benchmark_display_aggregates_only=true "$@"
echo
echo "=== The program as a process"
bench/dialogue.sh build/bench
