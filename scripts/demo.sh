#!/bin/bash
# Installs what is missing, builds, and starts the editor on a demo workspace in
# ~/knollwork-demo (copied from demo/ the first time only). Without a display it runs
# the editor under Xvfb instead, takes it through a short tour and writes screenshots
# to out/.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$(pwd)
workspace=${KNOLLWORK_DEMO:-$HOME/knollwork-demo}
bash scripts/setup.sh
# The tests and benchmarks need what only scripts/test.sh installs: a first build leaves
# them out, and a build folder configured with them keeps them.
options=()
[[ -f build/CMakeCache.txt ]] || options=(-DKNOLL_BUILD_TESTS=OFF -DKNOLL_BUILD_BENCH=OFF)
BUILD_TARGETS="knollwork make_intro_terrain" bash scripts/build.sh "${options[@]}"
if [[ ! -e "$workspace" ]]; then
    mkdir -p "$workspace"
    cp demo/* "$workspace/"
    echo "demo workspace copied to $workspace"
fi
editor=$repo/build/src/app/knollwork
if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
    cd "$workspace"
    exec "$editor"
fi
echo "No display (neither DISPLAY nor WAYLAND_DISPLAY is set): running the editor under Xvfb"
echo "with a scripted tour instead."
mkdir -p out
bash scripts/demo_tour.sh "$editor" "$workspace" "$repo/out"
