#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once in a normal build with
# warnings as errors (GCC), once in a build without Qt (engine and command line only), once
# built with Clang under AddressSanitizer and UndefinedBehaviorSanitizer (the one build that
# proves both, which keeps the whole run within CI's time); runs each fuzzing harness for a
# short while (scripts/fuzz.sh runs them longer); then the Windows builds under
# Wine (scripts/test-windows.sh: the command line, then the desktop program and the
# window's tests against Qt for Windows, which is built first into its cache folder when
# it is not there, about 35 minutes) and the packages (scripts/package.sh,
# scripts/test-package.sh). Prints each stage's wall time and the Windows stages' share.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh

export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)
all_started=$SECONDS

# Runs a stage (a title and a command) and prints its wall time; the time is also
# kept in last_stage_seconds.
last_stage_seconds=0
stage() {
  local title=$1
  shift
  echo "== $title =="
  local started=$SECONDS
  "$@"
  last_stage_seconds=$((SECONDS - started))
  echo "== $title: $last_stage_seconds s =="
}

# Qt for Windows first: when its cache folder is cold this is the longest stage (about
# 35 minutes), and a failure shows before everything else has run.
scripts/setup.sh --windows-gui
stage "Qt for Windows from Debian's source (cache: $(scripts/build-qt-windows.sh --print))" \
  scripts/build-qt-windows.sh
qt_seconds=$last_stage_seconds

stage "build (warnings as errors)" scripts/build.sh build -DVALIDADOR_WERROR=ON
stage "tests" ctest --test-dir build --output-on-failure --parallel "$jobs"

stage "build without Qt (engine, command line and their tests)" \
  scripts/build.sh build-nogui -DVALIDADOR_WERROR=ON -DVALIDADOR_GUI=OFF \
  -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON -DVALIDADOR_BENCH=OFF
stage "tests without Qt" ctest --test-dir build-nogui --output-on-failure --parallel "$jobs"
stage "self-test without Qt" build-nogui/src/cli/validador-cli selftest

# -O1 and line tables only: the sanitizers find the same faults, the build takes far less.
stage "build with Clang under AddressSanitizer + UndefinedBehaviorSanitizer (warnings as errors)" \
  scripts/build.sh build-asan -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DVALIDADOR_WERROR=ON -DVALIDADOR_SANITIZE=ON -DVALIDADOR_BENCH=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG"
stage "tests of the Clang build under the sanitizers" env \
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp \
  ctest --test-dir build-asan --output-on-failure --parallel "$jobs"

stage "fuzzing harnesses, a short run each" scripts/fuzz.sh 12

stage "Windows: cross-builds, tests and comparison with Linux under Wine, the window's tests" \
  scripts/test-windows.sh build-nogui build-mingw build-mingw-gui
windows_seconds=$last_stage_seconds
stage "packages (Debian package, Windows zip and installer)" scripts/package.sh build build-mingw-gui
windows_seconds=$((windows_seconds + last_stage_seconds))
stage "packages installed and removed (Debian; Windows under Wine)" scripts/test-package.sh
windows_seconds=$((windows_seconds + last_stage_seconds))

all_seconds=$((SECONDS - all_started))
windows_seconds=$((windows_seconds + qt_seconds))
echo "== Windows stages and packages: $windows_seconds s of $all_seconds s ($((100 * windows_seconds / (all_seconds > 0 ? all_seconds : 1))) %) =="
echo "== all stages: $all_seconds s =="

