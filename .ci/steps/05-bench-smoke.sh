#!/usr/bin/env bash
# The benchmarks build and run: each benchmark once, very briefly, and
# bench/dialogue.sh in its quick mode. Nothing here judges a time. Built in the
# default build, which the test step then reuses. Skipped, saying so, where
# Google Benchmark is missing (Debian: libbenchmark-dev). FLINT
# (libflint-dev), the peer that the exact division is measured beside, is
# installed when missing.
set -euo pipefail

bash .ci/install-missing.sh /usr/include/flint/fmpq_poly.h=libflint-dev
cmake --preset default >/dev/null
if ! grep -qx 'TESSARIVAND_BUILD_BENCHMARKS:BOOL=ON' build/default/CMakeCache.txt; then
  echo "SKIPPED: benchmarks, Google Benchmark not found (install Debian's libbenchmark-dev)"
  exit 0
fi
cmake --build --preset default
build/default/bench/tessarivand_bench --benchmark_min_time=0.001
bench/dialogue.sh --quick build/default
