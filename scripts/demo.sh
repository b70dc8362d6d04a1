#!/bin/bash
# Installs what is missing, builds, and runs the program on the bundled demo workspace.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
mkdir -p out
build/tools/cli/knollwork-cli --palette demo/Std.pal --open demo/Intro.tga --info --preview out/Intro.png
echo "preview written to $(pwd)/out/Intro.png"
