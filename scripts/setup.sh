#!/usr/bin/env bash
# Installs what the build needs (Debian packages) when missing, then configures and builds.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
use_ccache

packages=(cmake g++ make pkg-config libgtest-dev qt6-base-dev qt6-svg-dev libgl-dev libgdal-dev nlohmann-json3-dev
          libcli11-dev coinor-libcbc-dev coinor-libclp-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing ${missing[*]} ..."
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}" >/dev/null
fi

cmake --preset release >/dev/null
cmake --build --preset release -j"$(nproc)"
