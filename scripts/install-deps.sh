#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Varimonde need.
# Only what is missing is installed, so this is quick on a prepared machine.
set -euo pipefail

packages=(
  g++ cmake make pkgconf
  qt6-base-dev libicu-dev libboost-regex-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  fonts-wqy-microhei
)
[ "${1:-}" = "--gui" ] && packages+=(xvfb xauth)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
echo "Installing: ${missing[*]}"
if ! $sudo apt-get install -y --no-install-recommends "${missing[@]}"; then
  $sudo apt-get update
  $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
