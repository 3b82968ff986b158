#!/usr/bin/env bash
# The README's prerequisites, installed when missing: the compiler and CMake,
# the header-only libraries the program is built with, and GoogleTest.
set -euo pipefail
bash .ci/install-missing.sh cmake=cmake make=make g++=g++ \
  /usr/include/boost/version.hpp=libboost-dev \
  /usr/include/fmt/format.h=libfmt-dev \
  /usr/include/gtest/gtest.h=libgtest-dev
