#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once in a normal build and once
# under AddressSanitizer and UBSan. The GUI tests use Qt's offscreen platform.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/install-deps.sh"

export QT_QPA_PLATFORM=offscreen
BUILD_TYPE=Release "$root/scripts/build.sh" "$root/build-test"
ctest --test-dir "$root/build-test" --output-on-failure

BUILD_TYPE=Debug "$root/scripts/build.sh" "$root/build-sanitize" -DVARIMONDE_SANITIZE=ON -DVARIMONDE_BUILD_BENCH=OFF
ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir "$root/build-sanitize" --output-on-failure
