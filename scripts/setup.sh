#!/bin/bash
# Installs the Debian packages that are missing. Without an argument: what building and
# running the editor needs, and the X tools of the demo's tour under Xvfb, without the
# packages these only recommend. With "tests": also what the tests and benchmarks need.
# Usage: setup.sh [tests]
set -euo pipefail
packages=(
  cmake g++ make pkg-config
  libpng-dev libdeflate-dev libgdal-dev liblz4-dev
  libsdl2-dev libsdl2-ttf-dev libfontconfig-dev libx11-dev fonts-dejavu-core
  xvfb xauth xdotool x11-utils imagemagick
)
apt_options=(--no-install-recommends)
if [[ "${1:-}" == tests ]]; then
  packages+=(
    libgtest-dev libgmock-dev libbenchmark-dev
    x11-apps
    povray gdal-bin netpbm pngcheck
    dpkg-dev file lintian desktop-file-utils appstream man-db
  )
  apt_options=()
elif [[ -n "${1:-}" ]]; then
  echo "usage: setup.sh [tests]" >&2
  exit 2
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${apt_options[@]}" "${missing[@]}"
fi
