#!/usr/bin/env bash
# Installs whatever Debian packages are missing, then configures and builds
# into build/. A second run installs nothing and rebuilds only what changed.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  g++ clang libclang-rt-14-dev cmake ninja-build ccache pkg-config netbase
  qt6-base-dev qt6-multimedia-dev libgl-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev liblz4-dev zlib1g-dev
  xvfb xauth xdotool fonts-dejavu-core libx11-dev libfontconfig-dev
  desktop-file-utils appstream dpkg-dev file
  libminiupnpc-dev libnatpmp-dev
  python3 python3-yaml
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
  [ "$status" = installed ] || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if [ ! -f build/build.ninja ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build build --parallel "$(nproc)"
