#!/usr/bin/env bash
# The whole suite again, compiled with clang++ (Debian's clang, with
# libstdc++): the code must build, with its warnings as errors like every CI
# build, and pass with either compiler. A machine without clang++ fails here,
# as the house rules fail without clang-tidy.
set -euo pipefail
if ! command -v clang++ >/dev/null; then
  echo "FAILED: clang++ not found (install Debian's clang)" >&2
  exit 1
fi
cmake --workflow --preset clang
