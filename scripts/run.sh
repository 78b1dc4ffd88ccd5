#!/usr/bin/env bash
# Builds Trellis and starts it on the default installation (the copy of install/ beside
# build/bin/trellis). Without a display it starts a virtual one (Xvfb); without a session bus
# (the CAD host is reached over it) it starts a private one.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh"
run=("$root/build/bin/trellis" "$@")
[[ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ]] || run=(dbus-run-session -- "${run[@]}")
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
  exec xvfb-run -a "${run[@]}"
fi
exec "${run[@]}"
