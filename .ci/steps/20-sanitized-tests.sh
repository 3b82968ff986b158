#!/usr/bin/env bash
# The whole test suite again, built with AddressSanitizer, LeakSanitizer and
# UndefinedBehaviorSanitizer: the first report fails the test that met it.
set -euo pipefail
cmake --workflow --preset sanitize
