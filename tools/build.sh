#!/usr/bin/env bash
# Installs what the build needs (Debian 12), then configures and builds.
# usage: tools/build.sh [BUILD_DIR] [extra cmake arguments...]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
shift || true

if [ "$(id -u)" -eq 0 ]; then
  bash tools/setup-debian.sh
elif command -v sudo >/dev/null 2>&1; then
  sudo bash tools/setup-debian.sh
else
  echo "build.sh: not root and no sudo; assuming the packages of tools/setup-debian.sh are installed" >&2
fi

cmake -S . -B "$build" -G Ninja "$@"
cmake --build "$build" -j "$(nproc)"
