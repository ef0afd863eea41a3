#!/usr/bin/env bash
# Installs what is missing, builds and starts Varimonde.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" "$root/build" -DVARIMONDE_BUILD_TESTS=OFF -DVARIMONDE_BUILD_BENCH=OFF
exec "$root/build/src/varimonde" "$@"
