#!/usr/bin/env bash
# Builds Trellis and runs every test. CTest starts each test program under its own private
# session bus (dbus-run-session) with Qt's offscreen platform, so no display is needed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh"
cd "$root/build"
ctest --output-on-failure --parallel "$(nproc)" "$@"
