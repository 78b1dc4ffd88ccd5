#!/usr/bin/env bash
# Builds Trellis and starts it on the default installation (the copy of install/ beside build/bin/trellis).
# Without a display it starts a virtual one (Xvfb) so the window has somewhere to go.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh"
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
  exec xvfb-run -a "$root/build/bin/trellis" "$@"
fi
exec "$root/build/bin/trellis" "$@"
