#!/bin/bash
# Installs what is missing, builds, and runs every test: the whole program first, then
# everything but the tests that drive the real programs under X again under the address
# and undefined-behaviour sanitizers, and one short session of the real editor with them.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh tests
bash scripts/build.sh -DKNOLL_BUILD_TESTS=ON -DKNOLL_BUILD_BENCH=ON
ctest --test-dir build --output-on-failure -j"$(nproc)"
BUILD_DIR=build-sanitize bash scripts/build.sh -DKNOLL_SANITIZE=ON -DKNOLL_BUILD_TESTS=ON -DKNOLL_BUILD_BENCH=OFF
LSAN_OPTIONS="suppressions=$PWD/scripts/leak_suppressions.txt:print_suppressions=0" \
  ctest --test-dir build-sanitize --output-on-failure -j"$(nproc)" -LE x11
LSAN_OPTIONS="suppressions=$PWD/scripts/leak_suppressions.txt:print_suppressions=0" \
  bash tests/app/e2e/editor_sanitizer_session.sh build-sanitize/src/app/knollwork demo build-sanitize/editor_session
