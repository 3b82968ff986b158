#!/usr/bin/env bash
# Checks that every tracked C++ file follows .clang-format; lists the files
# that do not and fails. With --fix, formats them in place instead.
#   tools/check-format.sh [--fix]
# CLANG_FORMAT names another clang-format binary (default: clang-format).
set -euo pipefail
cd "$(dirname "$0")/.."

fix=false
case "${1-}" in
  --fix) fix=true ;;
  "") ;;
  *)
    echo "usage: $0 [--fix]" >&2
    exit 2
    ;;
esac

clang_format=${CLANG_FORMAT:-clang-format}
if ! command -v "${clang_format}" >/dev/null; then
  echo "${clang_format} is not installed (Debian: apt-get install clang-format)" >&2
  exit 2
fi

# Tracked files, and new ones not yet added (but not ignored ones).
mapfile -t files < <(git ls-files --cached --others --exclude-standard -- '*.cpp' '*.hpp' '*.h' '*.cc' | sort -u)
if [[ ${#files[@]} -eq 0 ]]; then
  echo "no C++ files found" >&2
  exit 2
fi

if ${fix}; then
  "${clang_format}" -i --style=file -- "${files[@]}"
  echo "formatted ${#files[@]} files with $("${clang_format}" --version)"
  exit 0
fi

differing=()
for file in "${files[@]}"; do
  if ! "${clang_format}" --dry-run --Werror --style=file -- "${file}" >/dev/null 2>&1; then
    differing+=("${file}")
  fi
done

if [[ ${#differing[@]} -eq 0 ]]; then
  echo "all ${#files[@]} files follow .clang-format"
  exit 0
fi
printf '%s\n' "${differing[@]}"
echo "${#differing[@]} of ${#files[@]} files differ from .clang-format; see one with" \
  "'${clang_format} ${differing[0]} | diff -u ${differing[0]} -', or run $0 --fix" >&2
exit 1
