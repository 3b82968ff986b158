#!/usr/bin/env bash
# Runs clang-tidy (.clang-tidy) over every C++ source file of the tree and
# fails on any warning. Files of the CMake build are checked with its compile
# commands; the others (examples/, a project of its own) with the same
# language level and include paths.
#   tools/check-tidy.sh [-p BUILD_DIR] [FILE...]
# BUILD_DIR defaults to build/default, configured with the default preset if
# it has no compile_commands.json yet. CLANG_TIDY names another clang-tidy
# binary; JOBS sets how many run at once (default 2).
# run_one below runs under xargs and bash -c, which expand its arguments.
# shellcheck disable=SC2016,SC2317
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=build/default
if [[ ${1-} == -p ]]; then
  build_dir=${2:?usage: $0 [-p BUILD_DIR] [FILE...]}
  shift 2
fi
clang_tidy=${CLANG_TIDY:-clang-tidy}
jobs=${JOBS:-2}

if ! command -v "${clang_tidy}" >/dev/null; then
  echo "${clang_tidy} is not installed (Debian: apt-get install clang-tidy)" >&2
  exit 2
fi
if [[ ! -f ${build_dir}/compile_commands.json ]]; then
  if [[ ${build_dir} != build/default ]]; then
    echo "no compile_commands.json in ${build_dir}" >&2
    exit 2
  fi
  cmake --preset default >/dev/null
fi

if [[ $# -gt 0 ]]; then
  files=("$@")
else
  # Tracked files, and new ones not yet added (but not ignored ones).
  mapfile -t files < <(git ls-files --cached --others --exclude-standard -- '*.cpp' '*.cc' | sort -u)
fi

# Left out, visibly, with the reason: files that the native build cannot parse.
#   src/console/key_web.cpp, src/console/native_io_web.cpp, src/console/graph_web.cpp: emscripten's
#   <emscripten.h> and its EM_JS functions; only em++ compiles them (web preset).
not_parsed_natively=(src/console/key_web.cpp src/console/native_io_web.cpp src/console/graph_web.cpp)
mapfile -t files < <(printf '%s\n' "${files[@]}" | grep -vxF -f <(printf '%s\n' "${not_parsed_natively[@]}"))
echo "clang-tidy: not run on ${not_parsed_natively[*]} (em++ only)"

# Which of them the build compiles, by path relative to the tree.
root=$(pwd)
mapfile -t compiled < <(sed -n 's/^ *"file": "\(.*\)",\{0,1\}$/\1/p' "${build_dir}/compile_commands.json" |
  sed "s|^${root}/||" | sort -u)

work=$(mktemp -d)
trap 'rm -rf "${work}"' EXIT
: >"${work}/with-database"
: >"${work}/standalone"
: >"${work}/windows"
for file in "${files[@]}"; do
  if [[ ${file} == *_windows.cpp ]]; then
    echo "${file}" >>"${work}/windows"
  elif printf '%s\n' "${compiled[@]}" | grep -qxF -- "${file}"; then
    echo "${file}" >>"${work}/with-database"
  else
    echo "${file}" >>"${work}/standalone"
  fi
done

# One output file per source file, so that parallel runs do not interleave.
# A run that fails (a file that does not compile, a bad option) is an error.
# xargs calls it through bash -c, with the arguments expanded there.
run_one() {
  local log_dir=$1 file=$2
  shift 2
  local log
  log="${log_dir}/$(echo "${file}" | tr / _).log"
  local status=0
  # shellcheck disable=SC2086 # the compiler arguments split on purpose
  "$@" "${file}" ${compiler_arguments-} >"${log}" 2>&1 || status=$?
  if [[ ${status} -ne 0 ]]; then
    echo "error: clang-tidy ended with status ${status} on ${file}" >>"${log}"
  fi
}
export -f run_one
export clang_tidy build_dir
xargs -r -P "${jobs}" -n 1 bash -c 'run_one "$1" "$2" "${clang_tidy}" --quiet -p "${build_dir}"' _ "${work}" \
  <"${work}/with-database"
compiler_arguments="-- -std=c++20 -Iinclude -Isrc" \
  xargs -r -P "${jobs}" -n 1 bash -c 'run_one "$1" "$2" "${clang_tidy}" --quiet' _ "${work}" <"${work}/standalone"

# The Windows headers come with mingw-w64; clang brings its own compiler
# headers, and takes the C++ library's from mingw-w64's g++.
mingw_cxx=x86_64-w64-mingw32-g++-posix
if [[ -s ${work}/windows ]] && ! command -v "${mingw_cxx}" >/dev/null; then
  echo "clang-tidy: skipped, ${mingw_cxx} not installed (Debian: g++-mingw-w64-x86-64-posix):" \
    "$(tr "\n" " " <"${work}/windows")"
  : >"${work}/windows"
fi
if [[ -s ${work}/windows ]]; then
  cxx_headers=$("${mingw_cxx}" -print-file-name=include/c++)
  compiler_arguments="-- --target=x86_64-w64-mingw32 -std=c++20 -isystem ${cxx_headers} \
-isystem ${cxx_headers}/x86_64-w64-mingw32 -Iinclude -Isrc/console -Itests/unit" \
    xargs -r -P "${jobs}" -n 1 bash -c 'run_one "$1" "$2" "${clang_tidy}" --quiet' _ "${work}" <"${work}/windows"
fi

# A header's warning comes once per file that includes it: keep each once.
# (grep finds nothing at all when the tree is clean.)
{ cat "${work}"/*.log 2>/dev/null || true; } |
  { grep -v -E '^[0-9]+ warnings? (and [0-9]+ errors? )?generated\.$|^Suppressed [0-9]+ warnings|^Use -header-filter|^Error while processing' || true; } |
  awk '
    /^([^ ].*:[0-9]+:[0-9]+: )?(warning|error): / { key = $0; if (!(key in seen)) { seen[key] = 1; order[++n] = key }; current = key; next }
    current != "" { body[current] = body[current] $0 "\n" }
    END { for (i = 1; i <= n; ++i) printf "%s\n%s", order[i], body[order[i]] }
  ' | sed "s|^${root}/||" >"${work}/report"

count=$(grep -c -E '^([^ ].*:[0-9]+:[0-9]+: )?(warning|error): ' "${work}/report" || true)
checked=$(cat "${work}/with-database" "${work}/standalone" "${work}/windows" | wc -l)
if [[ ${count} -eq 0 ]]; then
  echo "clang-tidy: no warning in ${checked} files"
  exit 0
fi
cat "${work}/report"
echo "clang-tidy: ${count} warnings in ${checked} files" >&2
exit 1
