#!/usr/bin/env bash
# The house rules: every C++ file follows .clang-format, and clang-tidy finds
# nothing to say with .clang-tidy. Both tools come with the machine
# (Debian: clang-format clang-tidy); a missing one fails the step.
set -euo pipefail
tools/check-format.sh
tools/check-tidy.sh
