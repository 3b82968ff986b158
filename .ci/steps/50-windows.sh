#!/usr/bin/env bash
# The Windows program: cross-built with mingw-w64, tested under wine (every
# test that Windows can run), then packaged as a zip whose file list is
# checked. What it needs is installed when missing.
set -euo pipefail

bash .ci/install-missing.sh x86_64-w64-mingw32-g++-posix=g++-mingw-w64-x86-64-posix \
  wine=wine wine=wine64 groff=groff

# The preset runs wine with a throwaway prefix of its own, in build/windows,
# and without wine's debug output.
cmake --workflow --preset windows

# Linked statically: the .exe needs only the DLLs that come with Windows.
dlls=$(x86_64-w64-mingw32-objdump -p build/windows/tessarivand.exe | sed -n 's/^\s*DLL Name: //p')
if grep -i -E 'libstdc|libgcc|winpthread' <<<"${dlls}"; then
  echo "tessarivand.exe needs DLLs of the compiler" >&2
  exit 1
fi

zip=$(ls build/windows/tessarivand-*-win64.zip)
folder=$(basename "${zip}" .zip)
# The README's linked pages ride along at the same relative paths.
mapfile -t pages < <(cd "$(dirname "$0")/../.." && ls docs/*.md)
expected=$(printf "${folder}/%s\n" CONTRIBUTING.md LICENSE README.md "${pages[@]}" tessarivand.exe tessarivand.txt |
  sort)
actual=$(cmake -E tar tf "${zip}" | grep -v '/$' | sort)
if [[ ${actual} != "${expected}" ]]; then
  printf 'the zip holds:\n%s\ninstead of:\n%s\n' "${actual}" "${expected}" >&2
  exit 1
fi
echo "${zip}: ${actual//$'\n'/, }"
