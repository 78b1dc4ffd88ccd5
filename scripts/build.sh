#!/usr/bin/env bash
# Configures and builds Trellis into build/ (Release with debug info, warnings are errors).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRELLIS_WERROR=ON >/dev/null
cmake --build "$root/build" --parallel "$(nproc)"
