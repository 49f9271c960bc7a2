#!/usr/bin/env bash
# Installs what building, running and testing need on Debian 12 (run as root).
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-qpa-plugins libqt6sql6-sqlite libqt6sql6-psql libqt6sql6-odbc libgl-dev
  libpugixml-dev libsodium-dev zlib1g-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  postgresql fonts-noto-cjk
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
