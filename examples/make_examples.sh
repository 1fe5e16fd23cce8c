#!/usr/bin/env bash
# Regenerates the example textures with make_dds (build it first: ninja -C build make_dds).
# The output is deterministic, so running this again changes no file.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
make_dds="${MAKE_DDS:-$here/../build/bin/make_dds}"

"$make_dds" --format dxt1 --size 64x64 --seed 1 "$here/dxt1_64x64.dds"
"$make_dds" --format dxt5 --size 96x80 --seed 2 --alpha "$here/dxt5_alpha_96x80.dds"
"$make_dds" --format bgr --size 50x30 --seed 3 "$here/bgr24_50x30.dds"
"$make_dds" --format bgra --size 128x64 --seed 4 --alpha "$here/bgra32_128x64.dds"
"$make_dds" --format bc7 --size 40x24 --seed 5 --alpha "$here/more/bc7_40x24.dds"
"$make_dds" --format dxt1 --size 30x22 --seed 6 "$here/more/dxt1_30x22.dds"
