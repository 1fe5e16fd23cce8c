#!/usr/bin/env bash
# Installs what is missing, builds, and converts the bundled example textures into out/examples/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh build
mkdir -p out/examples
./build/bin/tavrosine -i examples/ -o out/examples/
echo "JPEG files written to $(pwd)/out/examples/"
