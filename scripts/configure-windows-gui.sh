#!/usr/bin/env bash
# Configures a cross-build for 64-bit Windows with the desktop program: Qt for Windows
# comes from scripts/build-qt-windows.sh (built into its cache folder first when it is
# not there yet: about 35 minutes on two processors), the host's Qt gives moc, rcc and
# uic. Prints the Qt prefix as its last line.
# Usage: scripts/configure-windows-gui.sh BUILD_DIR [CMAKE_OPTIONS...]
#        (a GoogleTest for Windows is added with -DCMAKE_FIND_ROOT_PATH="QT;GTEST" by the
#        caller: the Qt prefix is always put first)
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=$1
shift

scripts/setup.sh --windows-gui
qt_prefix=$(scripts/build-qt-windows.sh | tail -n 1)
roots=$qt_prefix
extra=()
for option in "$@"; do
  case $option in
    -DCMAKE_FIND_ROOT_PATH=*) roots="$roots;${option#-DCMAKE_FIND_ROOT_PATH=}" ;;
    *) extra+=("$option") ;;
  esac
done
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_FIND_ROOT_PATH="$roots" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DVALIDADOR_BENCH=OFF "${extra[@]}" >&2
echo "$qt_prefix"
