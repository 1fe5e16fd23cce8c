#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: a normal build, then a build with
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

run_suite() {
  local build_dir=$1
  shift
  bash scripts/build.sh "$build_dir" "$@"
  ctest --test-dir "$build_dir" --output-on-failure --parallel "$(nproc)"
}

run_suite build
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  LSAN_OPTIONS="suppressions=$(pwd)/tests/lsan.supp" \
  run_suite build-asan -DTAVROSINE_SANITIZE=address,undefined -DTAVROSINE_BENCH=OFF

# The parallel worker under ThreadSanitizer.
bash scripts/build.sh build-tsan -DTAVROSINE_SANITIZE=thread -DTAVROSINE_BENCH=OFF
TSAN_OPTIONS=halt_on_error=1 ./build-tsan/tests/tavrosine_tests --gtest_filter='WorkerTest.*'

if [ -x fuzz/run.sh ]; then
  bash fuzz/run.sh "${TAVROSINE_FUZZ_SECONDS:-60}"
fi

# Every suite above passed (set -e stops at the first failure).
total=$(ctest --test-dir build -N | sed -n 's/^Total Tests: //p')
echo "tests: ${total} passed, 0 failed"
