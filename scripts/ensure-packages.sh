#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Corvane need, when missing.
set -euo pipefail

packages=(
  cmake ninja-build g++
  qt6-base-dev libgl-dev libarchive-dev
  googletest libgtest-dev
  fonts-noto-cjk fonts-dejavu-core
  p7zip-full zip libarchive-tools python3 clang-format-14
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
