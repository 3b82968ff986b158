#!/usr/bin/env bash
# The program in a web page: Debian's emscripten, chromium, firefox-esr,
# WebKitGTK's driver (with its MiniBrowser), xvfb, orca and dbus-x11, node and
# npm, installed when missing; the terminal widget and the test tools from
# the committed lock file; the web preset built and tested (the transcripts
# under node, the line discipline, a session in headless Chromium on a
# desktop and a phone's emulation, in Firefox and in WebKitGTK under
# xvfb-run, and what Orca says of a session); then the sizes and the times to
# the first prompt, printed and judged nowhere.
set -euo pipefail

bash .ci/install-missing.sh em++=emscripten chromium=chromium node=nodejs npm=npm firefox-esr=firefox-esr \
  WebKitWebDriver=webkit2gtk-driver xvfb-run=xvfb xauth=xauth orca=orca dbus-launch=dbus-x11

timeout 600 npm ci --prefix web --no-audit --no-fund
timeout 1200 cmake --workflow --preset web
timeout 300 node web/measure.mjs build/web/site
