#!/usr/bin/env bash
# Configures and builds Varimonde into a build folder (default: build, Release).
#   scripts/build.sh [BUILD_DIR] [extra cmake arguments]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
shift || true
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-Release}" "$@" >/dev/null
cmake --build "$build" -j"$(nproc)"
