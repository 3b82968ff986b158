#!/usr/bin/env bash
# The README's prerequisites, installed when missing: the compiler and CMake,
# the header-only library the program is built with (Boost), GoogleTest for
# the tests, and Google Benchmark for the benchmarks.
set -euo pipefail
bash .ci/install-missing.sh cmake=cmake make=make g++=g++ \
  /usr/include/boost/version.hpp=libboost-dev \
  /usr/include/gtest/gtest.h=libgtest-dev \
  /usr/include/benchmark/benchmark.h=libbenchmark-dev
