#!/usr/bin/env bash
# Runs the program on one scripted dialogue, without a controlling terminal,
# and compares what it writes and its exit status byte for byte with the
# case's hand-written expectations.
#
#   run_transcript.sh [--crlf] [--emulator RUNNER] PROGRAM CASE_DIRECTORY [VERSION]
#
# --crlf: every line break that the program writes must be CR LF (Windows);
# once that is checked, the CRs are dropped and the comparison goes on as
# elsewhere. --emulator: the program runs under RUNNER (wine).
#
# A case directory holds:
#   arguments              (optional) the program's arguments, one a line
#   input                  the bytes given on standard input
#   expected.status        the exit status
#   expected.stdout.utf8   standard output, and
#   expected.stderr.utf8   standard error;
#   or, instead of these two,
#   expected.combined.utf8 both streams on one pipe (2>&1), in their order;
#   locale                 (optional) the locale's variables for the run,
#                          NAME=value a line (LC_ALL, LC_CTYPE and LANG are
#                          cleared first); without it, LC_ALL=C; under an
#                          emulator (wine) always LC_ALL=C.UTF-8
#   output_encoding        (optional) UTF-8: the outputs are expected as
#                          UTF-8, except on Windows (--crlf), whose files and
#                          pipes take code page 850 whatever the locale.
#
# The expectations are UTF-8 so that they can be read; the program writes
# code page 850 to anything that is not a terminal (unless the locale's
# encoding is UTF-8), so they are converted before the comparison. In them, {name} stands for the fixed text of that
# name in fixed_texts.txt, exactly, and {version} for VERSION; everything else
# is taken literally, to the last byte (no line break is added at the end of
# a file).
set -euo pipefail

crlf=0
emulator=()
while [[ $1 == --* ]]; do
  case $1 in
    --crlf) crlf=1 ;;
    --emulator)
      emulator=("$2")
      shift
      ;;
    *)
      echo "unknown option $1" >&2
      exit 2
      ;;
  esac
  shift
done
program=$1
case_dir=$(cd "$2" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
declare -A fixed=()
fixed[version]=${3-}
arguments=()
if [[ -f ${case_dir}/arguments ]]; then
  mapfile -t arguments <"${case_dir}/arguments"
fi
locale=(LC_ALL=C)
if ((${#emulator[@]})); then
  # Under wine the program ignores the locale; wine itself reads the
  # arguments' bytes in the locale's encoding, so it must be UTF-8.
  locale=(LC_ALL=C.UTF-8)
elif [[ -f ${case_dir}/locale ]]; then
  mapfile -t locale <"${case_dir}/locale"
fi
encoding=CP850
if [[ -f ${case_dir}/output_encoding ]] && ((!crlf)); then
  encoding=$(<"${case_dir}/output_encoding")
fi

work=$(mktemp -d)
trap 'rm -rf "${work}"' EXIT

# Sets expanded to $1 with each {name} replaced by its fixed text; $2 names
# the file it comes from, for the error.
expand_names() {
  local text=$1 name
  expanded=''
  while [[ ${text} =~ \{([a-z_]+)\} ]]; do
    name=${BASH_REMATCH[1]}
    if [[ ! -v fixed[${name}] ]]; then
      echo "$2: no fixed text named {${name}}" >&2
      exit 2
    fi
    expanded+=${text%%"${BASH_REMATCH[0]}"*}${fixed[${name}]}
    text=${text#*"${BASH_REMATCH[0]}"}
  done
  expanded+=${text}
}

# The fixed texts as data: name=value lines, \n and \" as in the program's
# literals, {name} for a text defined before; # starts a comment.
read_fixed_texts() {
  local line value expanded
  while IFS= read -r line; do
    [[ -z ${line} || ${line} == '#'* ]] && continue
    value=${line#*=}
    value=${value//\\n/$'\n'}
    value=${value//\\\"/\"}
    expand_names "${value}" "${1##*/}"
    fixed[${line%%=*}]=${expanded}
  done <"$1"
}
read_fixed_texts "${here}/fixed_texts.txt"

# Prints a transcript with each {name} replaced by its fixed text.
expand() {
  local text='' expanded
  IFS= read -r -d '' text <"$1" || true
  expand_names "${text}" "$1"
  printf '%s' "${expanded}"
}

failed=0

# Compares one output byte for byte; on a difference shows both as UTF-8
# with each line end marked by $, so that trailing blanks can be seen.
compare() {
  local what=$1 expected=$2 actual=$3
  if ! cmp -s "${expected}" "${actual}"; then
    echo "--- ${what} differs (< expected, > actual; \$ marks each line end)"
    diff <(iconv -f "${encoding}" -t UTF-8 "${expected}" | sed 's/$/$/') \
         <(iconv -f "${encoding}" -t UTF-8 "${actual}" | sed 's/$/$/') || true
    cmp "${expected}" "${actual}" || true
    failed=1
  fi
}

# setsid: a new session has no controlling terminal, even when the test is
# started from one, so the end key comes from standard input too.
set +e
run=(env -u LC_ALL -u LC_CTYPE -u LANG "${locale[@]}" setsid -w "${emulator[@]}" "${program}" "${arguments[@]}")
if [[ -f ${case_dir}/expected.combined.utf8 ]]; then
  "${run[@]}" <"${case_dir}/input" 2>&1 | cat >"${work}/actual.combined"
  status=${PIPESTATUS[0]}
else
  "${run[@]}" <"${case_dir}/input" >"${work}/actual.stdout" 2>"${work}/actual.stderr"
  status=$?
fi
set -e

# Each line break CR LF, and no CR anywhere else; then the bytes as elsewhere.
if ((crlf)); then
  for actual in "${work}"/actual.*; do
    if perl -0777 -ne 'exit(/\r(?!\n)|(?<!\r)\n/ ? 0 : 1)' "${actual}"; then
      echo "--- ${actual##*.}: a line break that is not CR LF"
      failed=1
    fi
    perl -0777 -pi -e 's/\r\n/\n/g' "${actual}"
  done
fi

for stream in stdout stderr combined; do
  expectation=${case_dir}/expected.${stream}.utf8
  [[ -f ${expectation} ]] || continue
  expand "${expectation}" | iconv -f UTF-8 -t "${encoding}" >"${work}/expected.${stream}"
  compare "${stream}" "${work}/expected.${stream}" "${work}/actual.${stream}"
done

expected_status=$(<"${case_dir}/expected.status")
if [[ ${status} != "${expected_status}" ]]; then
  echo "--- exit status: expected ${expected_status}, actual ${status}"
  failed=1
fi

exit "${failed}"
