#!/usr/bin/env bash
# The README's prerequisites, installed when missing: the compiler and CMake,
# the header-only library the program is built with (Boost 1.79 or later),
# GoogleTest for the tests, and Google Benchmark for the benchmarks. Then
# what the later steps need and do not install themselves: clang++ (the
# clang step, and with libFuzzer's runtime the fuzz step), clang-format and
# clang-tidy (the house rules), groff (the manual page's tests), valgrind
# (the memcheck tests), pkg-config (the installed example through
# tessarivand.pc). The benchmark, Windows, web and package steps install
# their own. CI has no standard input: apt-get asks nothing.
set -euo pipefail

# Debian 12's libboost-dev is 1.74, too old: libboost1.81-dev replaces it,
# and the package that holds the old headers is removed in the same run (the
# two conflict), with whatever depends on it.
header=/usr/include/boost/version.hpp
minimum=107900
boost_version() { sed -n 's/^#define BOOST_VERSION \([0-9]*\)$/\1/p' "${header}" 2>/dev/null || true; }
boost=${header}=libboost1.81-dev
found=$(boost_version)
if [[ -n ${found} ]] && ((found < minimum)); then
  # Headers from no package are left for the check below to report.
  old=$(dpkg -S "${header}" 2>/dev/null | cut -d: -f1) || true
  echo "Boost $((found / 100000)).$((found / 100 % 1000)) (${old:-no package}) is older than 1.79:" \
    "replaced by libboost1.81-dev"
  boost="=libboost1.81-dev${old:+ =${old}-}"
fi

# shellcheck disable=SC2086 # ${boost} holds one or two pairs.
bash .ci/install-missing.sh cmake=cmake make=make g++=g++ ${boost} \
  /usr/include/gtest/gtest.h=libgtest-dev \
  /usr/include/benchmark/benchmark.h=libbenchmark-dev \
  clang++=clang clang-format=clang-format clang-tidy=clang-tidy \
  /usr/lib/llvm-14/lib/clang/14.0.6/lib/linux/libclang_rt.fuzzer-x86_64.a=libclang-rt-14-dev \
  groff=groff-base valgrind=valgrind pkg-config=pkg-config

found=$(boost_version)
if [[ -z ${found} ]] || ((found < minimum)); then
  echo "FAILED: ${header} says BOOST_VERSION ${found:-nothing}, older than 1.79" >&2
  exit 1
fi
