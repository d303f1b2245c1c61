#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Brevmark need.
# Does nothing when all of them are present; uses sudo only when not root.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-image-formats-plugins qt6-qpa-plugins
  libgl-dev fonts-arphic-uming
  libgtest-dev libbenchmark-dev libzint-dev libzxing-dev
  xvfb xauth xclip xdotool openbox cups cups-bsd cups-client cups-filters printer-driver-cups-pdf ghostscript
  poppler-utils zbar-tools python3 imagemagick
  libcups2-dev librsvg2-bin desktop-file-utils appstream
  glabels-data
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
