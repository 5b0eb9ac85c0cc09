#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once in a normal build
# with warnings as errors, once in a build without Qt (engine and command line only),
# once under AddressSanitizer and UndefinedBehaviorSanitizer; then runs each fuzzing
# harness for a short while (scripts/fuzz.sh runs them longer).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh

export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

echo "== build (warnings as errors) =="
scripts/build.sh build -DVALIDADOR_WERROR=ON
echo "== tests =="
ctest --test-dir build --output-on-failure --parallel "$jobs"

echo "== build without Qt: engine, command line and their tests =="
nogui_start=$SECONDS
scripts/build.sh build-nogui -DVALIDADOR_WERROR=ON -DVALIDADOR_GUI=OFF \
  -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON -DVALIDADOR_BENCH=OFF
ctest --test-dir build-nogui --output-on-failure --parallel "$jobs"
build-nogui/src/cli/validador-cli selftest
echo "== build and tests without Qt: $((SECONDS - nogui_start)) s =="

echo "== build under AddressSanitizer + UndefinedBehaviorSanitizer =="
scripts/build.sh build-asan -DVALIDADOR_WERROR=ON -DVALIDADOR_SANITIZE=ON \
  -DVALIDADOR_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo
echo "== tests under the sanitizers =="
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp \
  ctest --test-dir build-asan --output-on-failure --parallel "$jobs"

echo "== fuzzing harnesses, a short run each =="
fuzz_start=$SECONDS
scripts/fuzz.sh 12
echo "== fuzzing: $((SECONDS - fuzz_start)) s =="
