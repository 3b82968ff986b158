#!/usr/bin/env bash
# Installs what a step lacks, from Debian's archive:
#   bash .ci/install-missing.sh command=package...
# Each package whose command is missing is installed, all in one apt-get run
# after one update, through sudo unless already root. A command may be named
# in several pairs when it needs several packages. A package with no command
# (a header-only library) is named by a file it installs:
#   /usr/include/boost/version.hpp=libboost1.81-dev
# A pair with no probe (=package) is for a package that the caller found
# wanting: it is installed in any case, and one written =package- is removed
# in the same apt-get run (apt-get install's own notation), as a conflicting
# package must be.
set -euo pipefail

missing=()
for pair in "$@"; do
  probe="${pair%%=*}"
  if [[ -z ${probe} ]]; then
    missing+=("${pair#*=}")
  elif [[ ${probe} == /* ]]; then
    [[ -e ${probe} ]] || missing+=("${pair#*=}")
  else
    command -v "${probe}" >/dev/null || missing+=("${pair#*=}")
  fi
done
[[ ${#missing[@]} -gt 0 ]] || exit 0

echo "installing ${missing[*]}"
sudo=()
[[ $(id -u) == 0 ]] || sudo=(sudo)
"${sudo[@]}" apt-get update
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
