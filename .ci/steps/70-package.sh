#!/usr/bin/env bash
# The Debian package: built, inspected, unpacked, run and linted. lintian
# checks its relations, dpkg-shlibdeps (dpkg-dev) computes its dependencies:
# both are installed when missing.
set -euo pipefail
bash .ci/install-missing.sh lintian=lintian dpkg-shlibdeps=dpkg-dev
bash tests/package/check_deb.sh
