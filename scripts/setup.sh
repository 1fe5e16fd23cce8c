#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the examples need.
# Safe to run again: only what is missing is installed.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang lld libclang-rt-14-dev
  libfreeimage-dev
  qt6-base-dev qt6-base-dev-tools libqt6svg6-dev libgl-dev
  libarchive-dev libpng-dev libjpeg62-turbo-dev libjpeg-turbo-progs
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  fonts-liberation2 fonts-dejavu-core fontconfig libfontconfig-dev
  python3
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if ((${#missing[@]})); then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo_cmd apt-get update -qq
  $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
