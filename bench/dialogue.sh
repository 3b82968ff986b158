#!/usr/bin/env bash
# The whole program as a process, with no terminal: a scripted session on a
# polynomial of degree 999 (1000 coefficients typed), 20 changes of µ (menu
# choice 3), then 4 and q, without and with --tableau (21 Horner tables of
# 1000 columns each); and start-up alone (empty standard input: end of
# input at the first question, status 1). Prints the median wall time of each,
# with the floors that no program can go below on this machine (a trivial C++
# program built with the same flags, the same linked statically with the C++
# library, and /bin/true), and the peak resident memory.
#
#   bench/dialogue.sh [--quick] [BUILD_DIR]
#
# BUILD_DIR (default build/bench) holds tessarivand and bench/run_timed,
# bench/trivial_program*. --quick runs each case 3 times, only to show that it
# works. Timing: hyperfine when it is installed (each command run as
# `setsid -w PROGRAM <INPUT` through the shell, whose own time hyperfine
# takes off), else bench/run_timed, which starts the program in a
# session of its own itself, as setsid does. Peak memory always comes from
# run_timed (the program's own getrusage figure). No figure is judged here.
set -euo pipefail
cd "$(dirname "$0")/.."

quick=false
if [[ ${1-} == --quick ]]; then
  quick=true
  shift
fi
build=${1:-build/bench}
program=${build}/tessarivand
run_timed=${build}/bench/run_timed
for file in "${program}" "${run_timed}" "${build}/bench/trivial_program" "${build}/bench/trivial_program_static"; do
  [[ -x ${file} ]] || {
    echo "dialogue.sh: ${file} not found; build with: cmake --workflow --preset bench" >&2
    exit 2
  }
done

if ${quick}; then
  session_runs=3
  startup_runs=3
else
  session_runs=${SESSION_RUNS:-50}
  startup_runs=${STARTUP_RUNS:-200}
fi

work=$(mktemp -d)
trap 'rm -rf "${work}"' EXIT

# Degree 999, then a[999] down to a[0]: typed values of every size, the first
# one non-zero; then µ; twenty times choice 3 and a new µ; then 4 and q.
{
  echo 999
  for ((k = 999; k >= 0; --k)); do
    echo "$(((k * 7919) % 2001 - 1000)).$(((k * 31) % 1000))"
  done
  echo 0.93
  for ((i = 1; i <= 20; ++i)); do
    echo 3
    echo "-$((i % 3)).$((i * 37))"
  done
  echo 4
  printf q
} >"${work}/session"
: >"${work}/empty"

# The session must really be the one described: it ends at the q, with
# status 0 and 21 divisions on standard output, and with --tableau a table
# after each of them.
check_session() {
  local tables_expected=$1 status=0 divisions tables
  shift
  setsid -w "${program}" "$@" <"${work}/session" >"${work}/out" 2>"${work}/err" || status=$?
  divisions=$(grep -c 'P(X) = (X - ' "${work}/out" || true)
  tables=$(grep -c 'Tableau de Horner' "${work}/out" || true)
  if [[ ${status} -ne 0 || ${divisions} -ne 21 || ${tables} -ne ${tables_expected} || -s ${work}/err ]]; then
    echo "dialogue.sh: the scripted session $* went wrong (status ${status}, ${divisions} divisions," \
      "${tables} tables)" >&2
    exit 1
  fi
}
check_session 0
check_session 21 --tableau

use_hyperfine=false
if ! ${quick} && command -v hyperfine >/dev/null; then
  use_hyperfine=true
fi

# Prints: median min max (ms) peak_kb status, for RUNS runs of a command.
measure() {
  local runs=$1 input=$2
  shift 2
  if ! ${use_hyperfine}; then
    "${run_timed}" "${runs}" "${input}" "$@"
    return
  fi
  # Through the shell (hyperfine 1.15 has no --input), whose own start-up
  # hyperfine measures and takes off.
  # Its warning that such short commands are hard to time goes to a log:
  # the floors below, timed the same way, show what it means.
  hyperfine --runs "${runs}" --warmup 3 --ignore-failure --output null \
    --export-json "${work}/hyperfine.json" \
    "setsid -w $(printf '%q ' "$@")<$(printf '%q' "${input}")" >"${work}/hyperfine.log" 2>&1 || {
    cat "${work}/hyperfine.log" >&2
    return 1
  }
  local times median min max line
  times=$(tr -d ' \n' <"${work}/hyperfine.json" |
    sed -n 's/.*"median":\([0-9.e-]*\).*"min":\([0-9.e-]*\),"max":\([0-9.e-]*\).*/\1 \2 \3/p')
  read -r median min max <<<"${times}"
  line="median_ms=$(awk -v s="${median}" 'BEGIN { printf "%.3f", s * 1000 }')"
  line+=" min_ms=$(awk -v s="${min}" 'BEGIN { printf "%.3f", s * 1000 }')"
  line+=" max_ms=$(awk -v s="${max}" 'BEGIN { printf "%.3f", s * 1000 }')"
  # Peak memory from one run of the helper: hyperfine does not measure it.
  line+=" $("${run_timed}" 1 "${input}" "$@" | grep -o 'peak_kb=[0-9]* status=[0-9]*')"
  echo "${line}"
}

report() {
  local label=$1 target=$2 line=$3
  local median min max peak status
  median=$(sed -n 's/.*median_ms=\([0-9.]*\).*/\1/p' <<<"${line}")
  min=$(sed -n 's/.*min_ms=\([0-9.]*\).*/\1/p' <<<"${line}")
  max=$(sed -n 's/.*max_ms=\([0-9.]*\).*/\1/p' <<<"${line}")
  peak=$(sed -n 's/.*peak_kb=\([0-9]*\).*/\1/p' <<<"${line}")
  status=$(sed -n 's/.*status=\([0-9]*\).*/\1/p' <<<"${line}")
  printf '%-44s %8s ms  %8s - %-8s %7s KB  %6s   %s\n' "${label}" "${median}" "${min}" "${max}" "${peak}" \
    "${status}" "${target}"
}

if ${use_hyperfine}; then timer="hyperfine, setsid -w"; else timer="bench/run_timed, own session"; fi
echo "Process benchmark of ${program}: ${session_runs} session runs, ${startup_runs} start-up runs (${timer})"
echo
printf '%-44s %11s  %-19s %10s  %6s   %s\n' case median "  min - max (ms)" "peak" status target
report "session: degree 999, 20 changes of mu" "< 10 ms, < 4096 KB" \
  "$(measure "${session_runs}" "${work}/session" "${program}")"
report "the same session with --tableau" "< 10 ms, < 4096 KB" \
  "$(measure "${session_runs}" "${work}/session" "${program}" --tableau)"
report "start-up: end of input at the first question" "< 2 ms" \
  "$(measure "${startup_runs}" "${work}/empty" "${program}")"
report "floor: trivial C++ program, same flags" "" \
  "$(measure "${startup_runs}" "${work}/empty" "${build}/bench/trivial_program")"
report "floor: the same, libstdc++ linked statically" "" \
  "$(measure "${startup_runs}" "${work}/empty" "${build}/bench/trivial_program_static")"
report "floor: /bin/true" "" "$(measure "${startup_runs}" "${work}/empty" /bin/true)"
