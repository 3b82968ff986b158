#!/usr/bin/env bash
# The end key read from wine's console, which a pseudo-terminal drives: the
# Down arrow is a two-code key (two wrong answers, each with the prompt
# again), then q quits with status 0.
#
#   wine_console_key.sh EMULATOR PROGRAM
set -euo pipefail
emulator=$1
program=$2

work=$(mktemp -d)
runner=
cleanup() {
  if [[ -n ${runner} ]]; then kill "${runner}" 2>/dev/null || true; fi
  rm -rf "${work}"
}
trap cleanup EXIT
mkfifo "${work}/keys"

# script gives the program a pseudo-terminal of its own, and returns its status.
script -qfec "$(printf '%q %q' "${emulator}" "${program}")" "${work}/screen" <"${work}/keys" >/dev/null &
runner=$!
exec 3>"${work}/keys"

shown() { grep -o -F -- "$1" "${work}/screen" 2>/dev/null | wc -l; }

# Waits, a minute at most, until the screen shows the text that many times.
wait_for() {
  local i
  for ((i = 0; i < 600; ++i)); do
    (($(shown "$1") >= $2)) && return 0
    sleep 0.1
  done
  echo "not shown ${2} times: $1" >&2
  exit 1
}

wait_for 'deg(P) =' 1
printf '2\r1\r-3\r2\r1\r4\r' >&3
wait_for 'pour Quitter' 1
printf '\033[B' >&3
wait_for 'pour Quitter' 3
printf 'q' >&3
status=0
wait "${runner}" || status=$?
runner=

wrong=$(shown 'Votre saisie est FAUSSE')
if [[ ${status} != 0 || ${wrong} != 2 ]]; then
  echo "exit status ${status} (expected 0), ${wrong} wrong answers (expected 2)" >&2
  exit 1
fi
