#!/usr/bin/env bash
# One scripted session under valgrind's memcheck, with no controlling terminal
# and a time limit: any memory error, or any leak of the given kinds, fails.
#   memcheck.sh VALGRIND PROGRAM SESSION STATUS LEAK_KINDS [BYTES_CUT]
# STATUS is the exit status the session must end with; BYTES_CUT bytes are
# cut from the end of SESSION first.
set -euo pipefail
valgrind="$1" program="$2" session="$3" expected="$4" kinds="$5" cut="${6:-0}"

input="$(mktemp)"
trap 'rm -f "${input}"' EXIT
head -c "-${cut}" "${session}" >"${input}"

status=0
setsid -w timeout 300 "${valgrind}" --quiet --error-exitcode=99 --leak-check=full \
  --show-leak-kinds="${kinds}" --errors-for-leak-kinds="${kinds}" --track-origins=yes \
  "${program}" <"${input}" >/dev/null || status=$?
if [ "${status}" -ne "${expected}" ]; then
  echo "memcheck: status ${status}, expected ${expected} (99: a memcheck error, 124: timed out)" >&2
  exit 1
fi
