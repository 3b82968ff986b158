#!/usr/bin/env bash
# Runs each fuzz target for the given number of seconds (60 by default), from
# its committed seeds under fuzz/corpus/<target>/ and the inputs that earlier
# runs found under build/fuzz/corpus/<target>/. Any crash, leak, sanitizer
# report, broken promise or hang fails the run, and the input that caused it
# is kept under build/fuzz/artifacts/. Build first: cmake --workflow --preset fuzz
#   fuzz/run.sh [seconds] [target...]     targets: readers dialogue
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
shift || true
targets=("$@")
if [ "${#targets[@]}" -eq 0 ]; then targets=(readers dialogue); fi

build=build/fuzz
for target in "${targets[@]}"; do
  binary="${build}/${target}_fuzz"
  if [ ! -x "${binary}" ]; then
    echo "${binary} is missing: build it with cmake --workflow --preset fuzz" >&2
    exit 1
  fi
  found="${build}/corpus/${target}"
  mkdir -p "${found}" "${build}/artifacts"
  echo "--- fuzzing ${target} for ${seconds} s"
  # No controlling terminal, whatever the targets do; a hang of one input
  # beyond -timeout, or memory beyond -rss_limit_mb, is a failure too.
  setsid -w "${binary}" "${found}" "fuzz/corpus/${target}" \
    -max_total_time="${seconds}" -timeout=10 -rss_limit_mb=2048 -max_len=8192 \
    -artifact_prefix="${build}/artifacts/${target}-" -print_final_stats=1 </dev/null
done
