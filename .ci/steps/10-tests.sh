#!/usr/bin/env bash
# The README's test command: configure, build and run every test.
set -euo pipefail
cmake --workflow --preset default
