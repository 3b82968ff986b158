#!/usr/bin/env bash
# The whole program as a process, with no terminal: a scripted session on a
# polynomial of degree 999 (1000 coefficients typed), 20 changes of µ (menu
# choice 3), then 4 and q, without and with --tableau (21 Horner tables of
# 1000 columns each); and start-up alone (empty standard input: end of
# input at the first question, status 1); and a class's exercise at degree 999
# (integers from -9 to 9, µ = 2/3) with --tableau, in doubles and with
# --exact (sums of some 950 digits). Prints the median wall time of each,
# with the floors that no program can go below on this machine (a trivial C++
# program built with the same flags, the same linked statically with the C++
# library, and /bin/true), the peak resident memory, and the median processor
# time (user and system, from run_timed), which the machine's load does not
# inflate.
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

# Degree 999, a[999] down to a[0] from -9 to 9 (the first one non-zero),
# µ = 2/3 (0.666667 for the real reader, which reads 2/3 as 2), then 4 and q.
classroom() {
  echo 999
  for ((k = 999; k >= 0; --k)); do
    value=$(((k * 7919) % 19 - 9))
    ((k == 999 && value == 0)) && value=1
    echo "${value}"
  done
  echo "$1"
  echo 4
  printf q
}
classroom 0.666667 >"${work}/classroom"
classroom 2/3 >"${work}/classroom_exact"

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

# The exercise ends at its q with one division and one table; in exact mode
# with the remainder that 2/3 leaves, not the notice of a result too large.
check_classroom() {
  local status=0 input=$1
  shift
  setsid -w "${program}" "$@" <"${input}" >"${work}/out" 2>"${work}/err" || status=$?
  if [[ ${status} -ne 0 || $(grep -c 'Tableau de Horner' "${work}/out" || true) -ne 1 || -s ${work}/err ]] ||
    grep -q 'trop grand' "${work}/out"; then
    echo "dialogue.sh: the exercise $* went wrong (status ${status})" >&2
    exit 1
  fi
}
check_classroom "${work}/classroom" --tableau
check_classroom "${work}/classroom_exact" --exact --tableau

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
  # Peak memory and processor time from one run of the helper: hyperfine
  # measures neither.
  line+=" $("${run_timed}" 1 "${input}" "$@" | grep -o 'peak_kb=[0-9]* status=[0-9]* cpu_ms=[0-9.]*')"
  echo "${line}"
}

report() {
  local label=$1 target=$2 line=$3
  local median min max peak status cpu
  median=$(sed -n 's/.*median_ms=\([0-9.]*\).*/\1/p' <<<"${line}")
  min=$(sed -n 's/.*min_ms=\([0-9.]*\).*/\1/p' <<<"${line}")
  max=$(sed -n 's/.*max_ms=\([0-9.]*\).*/\1/p' <<<"${line}")
  peak=$(sed -n 's/.*peak_kb=\([0-9]*\).*/\1/p' <<<"${line}")
  status=$(sed -n 's/.*status=\([0-9]*\).*/\1/p' <<<"${line}")
  cpu=$(sed -n 's/.*cpu_ms=\([0-9.]*\).*/\1/p' <<<"${line}")
  printf '%-44s %8s ms  %8s - %-8s %7s KB  %6s  %8s ms   %s\n' "${label}" "${median}" "${min}" "${max}" "${peak}" \
    "${status}" "${cpu}" "${target}"
}

if ${use_hyperfine}; then timer="hyperfine, setsid -w"; else timer="bench/run_timed, own session"; fi
echo "Process benchmark of ${program}: ${session_runs} session runs, ${startup_runs} start-up runs (${timer})"
echo
printf '%-44s %11s  %-19s %10s  %6s  %11s   %s\n' case median "  min - max (ms)" "peak" status cpu target
report "session: degree 999, 20 changes of mu" "< 10 ms, < 4096 KB" \
  "$(measure "${session_runs}" "${work}/session" "${program}")"
report "the same session with --tableau" "< 10 ms, < 4096 KB" \
  "$(measure "${session_runs}" "${work}/session" "${program}" --tableau)"
report "exercise: degree 999, mu 0.666667, table" "" \
  "$(measure "${session_runs}" "${work}/classroom" "${program}" --tableau)"
report "the same, --exact, mu 2/3" "< 200 ms cpu" \
  "$(measure "${session_runs}" "${work}/classroom_exact" "${program}" --exact --tableau)"
report "start-up: end of input at the first question" "< 2 ms" \
  "$(measure "${startup_runs}" "${work}/empty" "${program}")"
report "floor: trivial C++ program, same flags" "" \
  "$(measure "${startup_runs}" "${work}/empty" "${build}/bench/trivial_program")"
report "floor: the same, libstdc++ linked statically" "" \
  "$(measure "${startup_runs}" "${work}/empty" "${build}/bench/trivial_program_static")"
report "floor: /bin/true" "" "$(measure "${startup_runs}" "${work}/empty" /bin/true)"
