#!/usr/bin/env bash
# Builds the Debian package (cmake --workflow --preset package), checks its
# control fields and its file list, unpacks it into a temporary root with
# dpkg -x, runs the program from there on a short scripted session, and builds
# examples/ against the CMake package that it holds. Where lintian is
# installed, a single error of it fails the check (its warnings are listed in
# docs/packaging.md). Skipped without dpkg-deb.
set -euo pipefail
cd "$(dirname "$0")/../.."

if ! command -v dpkg-deb >/dev/null; then
  echo "SKIPPED: dpkg-deb is not installed"
  exit 0
fi

fail() {
  echo "FAILED: $*" >&2
  exit 1
}

build=build/package
rm -f "${build}"/tessarivand_*.deb
cmake --workflow --preset package

debs=("${build}"/tessarivand_*.deb)
[[ ${#debs[@]} -eq 1 && -f ${debs[0]} ]] || fail "expected one package in ${build}, found: ${debs[*]}"
deb=${debs[0]}
echo "--- ${deb}"

work=$(mktemp -d)
trap 'rm -rf "${work}"' EXIT

# Control fields: the version is the project's own.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' "${build}/CMakeCache.txt")
[[ -n ${version} ]] || fail "no project version in ${build}/CMakeCache.txt"
field() { dpkg-deb --field "${deb}" "$1"; }
[[ $(field Package) == tessarivand ]] || fail "Package: $(field Package)"
[[ $(field Version) == "${version}-1" ]] || fail "Version: $(field Version), project ${version}"
[[ $(field Section) == math ]] || fail "Section: $(field Section)"
[[ -n $(field Maintainer) ]] || fail "no Maintainer"
description=$(field Description)
[[ ${description} == *Horner* ]] || fail "the description does not say what the program does"
[[ ${description} == *polynômes* ]] || fail "the description has no French part"
depends=$(field Depends)
for library in libc6 libstdc++6; do
  [[ ${depends} == *"${library}"* ]] || fail "Depends lacks ${library}: ${depends}"
done
# The installed headers include Boost's, 1.79 or later.
[[ $(field Recommends) == *libboost1.81-dev* ]] || fail "Recommends lacks libboost1.81-dev: $(field Recommends)"

# File list: exactly what `cmake --install` puts in place, with the manual
# pages compressed, and the Debian changelog; nothing more.
dpkg-deb --contents "${deb}" | awk '$1 !~ /^d/ { print $NF }' | sed 's|^\./||' | sort >"${work}/files"
library=$(grep '/libtessarivand\.a$' "${work}/files") || fail "no libtessarivand.a in the package"
libdir=$(dirname "${library}")
[[ ${libdir} == usr/lib || ${libdir} == usr/lib/*-linux-gnu* ]] || fail "library in ${libdir}"
{
  echo usr/bin/tessarivand
  echo usr/share/man/man1/tessarivand.1.gz
  echo usr/share/man/fr/man1/tessarivand.1.gz
  echo usr/share/doc/tessarivand/copyright
  echo usr/share/doc/tessarivand/changelog.Debian.gz
  echo "${library}"
  echo "${libdir}/pkgconfig/tessarivand.pc"
  for name in TessarivandConfig TessarivandConfigVersion TessarivandTargets TessarivandTargets-release; do
    echo "${libdir}/cmake/Tessarivand/${name}.cmake"
  done
  (cd include && find . -type f -name '*.hpp' | sed 's|^\./|usr/include/|')
} | sort >"${work}/expected"
diff -u "${work}/expected" "${work}/files" || fail "the package holds other files than expected (- missing, + extra)"

if command -v lintian >/dev/null; then
  # Its own notice about running as root goes to standard error; the tags come
  # on standard output.
  lintian "${deb}" >"${work}/lintian" 2>/dev/null || true
  cat "${work}/lintian"
  ! grep -q '^E: ' "${work}/lintian" || fail "lintian reports errors"
else
  echo "lintian is not installed: the package is not linted"
fi

# The unpacked program on a short session: 2X^3 - 3X + 1 divided by (X - 2),
# then menu choice 4 and q. setsid: no controlling terminal, so the end key
# comes from standard input. Under the C locale, whatever the caller's, files
# take code page 850.
root="${work}/root"
dpkg -x "${deb}" "${root}"
program="${root}/usr/bin/tessarivand"
[[ -x ${program} ]] || fail "no executable ${program}"
status=0
printf '3\n2\n0\n-3\n1\n2\n4\nq' | LC_ALL=C setsid -w "${program}" >"${work}/out" 2>"${work}/err" || status=$?
[[ ${status} -eq 0 ]] || fail "the installed program ended with status ${status}"
[[ ! -s ${work}/err ]] || fail "the installed program wrote to standard error: $(cat "${work}/err")"
# Into a file under the C locale the texts are code page 850: é is 0x82, µ is 0xE6.
expect_line() {
  LC_ALL=C grep -qxF -- "$1" "${work}/out" || fail "no line '$1' in the output"
}
expect_line ' P(X) = (X - 2).((2 X^2) + (4 X) + (5)) + (11)'
expect_line "$(printf ' Le nombre r\x82el entr\x82 est " \xe6 = 2 " .')"
"${program}" --version | grep -qxF "tessarivand ${version}" || fail "--version does not say ${version}"

# The CMake package from the unpacked root, used by a project of its own.
example_build="${work}/example"
cmake -S examples -B "${example_build}" -D CMAKE_BUILD_TYPE=Release -D "CMAKE_PREFIX_PATH=${root}/usr" >/dev/null
found=$(sed -n 's/^Tessarivand_DIR:[A-Z]*=//p' "${example_build}/CMakeCache.txt")
[[ ${found} == "${root}/usr/"* ]] || fail "Tessarivand was found in ${found}, outside the unpacked package"
cmake --build "${example_build}" >/dev/null
LC_ALL=C "${example_build}/product_and_division" >"${work}/example.out"
cmp "${work}/example.out" tests/data/example_product_and_division.cp850 || fail "the example built on the package wrote other bytes"

echo "OK: ${deb} ($(wc -l <"${work}/files") files, Depends: ${depends})"
