#!/usr/bin/env bash
# Installs the peers (ImageMagick, Pillow, libjpeg-turbo's cjpeg), builds, makes the
# benchmark corpus in bench-work/ and prints the throughput table.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
export DEBIAN_FRONTEND=noninteractive
missing=()
for p in imagemagick python3-pil libjpeg-turbo-progs time; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
bash scripts/build.sh build-release -DCMAKE_BUILD_TYPE=Release -DTAVROSINE_TESTS=OFF
/usr/bin/python3 bench/throughput.py build-release bench-work "${1:-5}"
