#!/usr/bin/env bash
# Sets up, builds and starts Quillmoor on its bundled sample data.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/build.sh build
exec build/bin/quillmoor "$@"
