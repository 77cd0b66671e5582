#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite: once as shipped, once built
# with the address and undefined-behaviour sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh build
ctest --test-dir build --output-on-failure -j "$(nproc)"
bash tools/build.sh build-asan -DQUILLMOOR_SANITIZE=ON
ctest --test-dir build-asan --output-on-failure -j "$(nproc)"
