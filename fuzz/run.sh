#!/usr/bin/env bash
# Builds the DDS fuzz harness with clang, AddressSanitizer and UBSan in build-fuzz/, then
# fuzzes for SECONDS (default 60) starting from the corpus, the regression fixtures and the
# examples. Crashes land in build-fuzz/fuzz-artifacts/; keep each one as a fixture under
# tests/engine/dds/regressions/.
#   fuzz/run.sh [SECONDS]
set -euo pipefail

seconds="${1:-60}"
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-fuzz"
seeds_from=("${TAVROSINE_CORPUS_DIR:-$root/../shared/corpus/dds}" "$root/tests/engine/dds/regressions"
            "$root/examples")

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTAVROSINE_FUZZ=ON -DTAVROSINE_SANITIZE=address,undefined -DTAVROSINE_TESTS=OFF \
  -DTAVROSINE_BENCH=OFF >/dev/null
ninja -C "$build" -j2 fuzz_dds

work="$build/fuzz-corpus"
mkdir -p "$work" "$build/fuzz-artifacts"
for folder in "${seeds_from[@]}"; do
  [ -d "$folder" ] || continue
  find "$folder" -type f -name '*.dds' -exec cp -n {} "$work/" \;
done

"$build/fuzz/fuzz_dds" "$work" -dict="$root/fuzz/dds.dict" -max_total_time="$seconds" \
  -max_len=8192 -timeout=10 -artifact_prefix="$build/fuzz-artifacts/" -print_final_stats=1
