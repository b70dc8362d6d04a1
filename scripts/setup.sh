#!/bin/bash
# Installs every Debian package the build, the tests and the demo need.
set -euo pipefail
packages=(
  cmake g++ make pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  libpng-dev libgdal-dev
  libsdl2-dev libsdl2-ttf-dev libfontconfig-dev fonts-dejavu-core
  xvfb x11-apps x11-utils xdotool imagemagick
  povray gdal-bin netpbm
  dpkg-dev file lintian desktop-file-utils appstream man-db
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
fi
