#!/bin/bash
# Configures and builds into build/ (or the folder given as $BUILD_DIR); the arguments
# go to the configure step. $BUILD_TARGETS, when set, names the targets to build
# instead of all.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
targets=()
for target in ${BUILD_TARGETS:-}; do targets+=(--target "$target"); done
cmake --build "$build_dir" -j"$(nproc)" "${targets[@]}"
