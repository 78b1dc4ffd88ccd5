#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the screenshots need.
# Runs apt-get only when something is missing, so a second run costs a few dpkg queries.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-translations-l10n qt6-tools-dev qt6-l10n-tools libgl-dev libzip-dev
  libgtest-dev libgmock-dev libbenchmark-dev python3-ezdxf calculix-ccx
  dbus dbus-daemon xvfb xauth shared-mime-info desktop-file-utils
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y --no-install-recommends "${missing[@]}"
fi
