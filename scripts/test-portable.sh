#!/usr/bin/env bash
# Builds the toolkit-free configuration for 64-bit ARM, where only the portable
# compressions exist, and runs its self-test and engine tests under qemu-user.
# Usage: scripts/test-portable.sh [BUILD_DIR]   (default: build-aarch64)
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build-aarch64}
sysroot=/usr/aarch64-linux-gnu
started=$SECONDS

scripts/setup.sh --cross-aarch64

# GoogleTest for the target, from the sources Debian ships.
gtest_prefix=$PWD/$build_dir/googletest
if [[ ! -f $gtest_prefix/lib/libgtest.a ]]; then
  cmake -S /usr/src/googletest -B "$build_dir/googletest-build" -G Ninja \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_SYSTEM_NAME=Linux -DCMAKE_SYSTEM_PROCESSOR=aarch64 \
    -DCMAKE_C_COMPILER=aarch64-linux-gnu-gcc -DCMAKE_CXX_COMPILER=aarch64-linux-gnu-g++ \
    -DCMAKE_INSTALL_PREFIX="$gtest_prefix" >/dev/null
  cmake --build "$build_dir/googletest-build" --target install >/dev/null
fi

cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_SYSTEM_NAME=Linux -DCMAKE_SYSTEM_PROCESSOR=aarch64 \
  -DCMAKE_CXX_COMPILER=aarch64-linux-gnu-g++ \
  -DCMAKE_FIND_ROOT_PATH="$gtest_prefix;$sysroot" \
  -DCMAKE_FIND_ROOT_PATH_MODE_PROGRAM=NEVER \
  -DCMAKE_FIND_ROOT_PATH_MODE_INCLUDE=ONLY -DCMAKE_FIND_ROOT_PATH_MODE_PACKAGE=ONLY \
  -DVALIDADOR_GUI=OFF -DVALIDADOR_BENCH=OFF -DVALIDADOR_WERROR=ON >/dev/null
targets=(validador-cli layout_tests validation_tests hash_tests engine_tests)
cmake --build "$build_dir" --parallel "$(nproc)" --target "${targets[@]}"

run() { qemu-aarch64 -L "$sysroot" "$@"; }
echo "== validador-cli selftest (aarch64) =="
run "$build_dir/src/cli/validador-cli" selftest
for tests in layout_tests validation_tests hash_tests engine_tests; do
  echo "== $tests (aarch64) =="
  run "$build_dir/tests/$tests" --gtest_brief=1
done
echo "== portable build and tests: $((SECONDS - started)) s =="
