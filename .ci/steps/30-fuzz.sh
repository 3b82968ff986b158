#!/usr/bin/env bash
# Each fuzz target for a short, fixed time. Skipped, saying so, only where
# clang or its libFuzzer runtime is missing (Debian: clang libclang-rt-14-dev).
set -euo pipefail
seconds=60

skip() {
  echo "SKIPPED: fuzzing, $1 (install Debian's clang and libclang-rt-14-dev)"
  exit 0
}
command -v clang++ >/dev/null || skip "clang++ not found"
probe="$(mktemp -d)"
trap 'rm -rf "${probe}"' EXIT
echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }' >"${probe}/probe.cpp"
clang++ -fsanitize=fuzzer,address,undefined "${probe}/probe.cpp" -o "${probe}/probe" 2>"${probe}/log" ||
  skip "clang++ cannot link libFuzzer: $(head -n 1 "${probe}/log")"

cmake --workflow --preset fuzz
fuzz/run.sh "${seconds}"
