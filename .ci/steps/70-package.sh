#!/usr/bin/env bash
# The Debian package: built, inspected, unpacked and run (skipped without dpkg-deb).
set -euo pipefail
bash tests/package/check_deb.sh
