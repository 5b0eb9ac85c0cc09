#!/usr/bin/env bash
# Makes the packages in one command:
#   - a Debian package of the desktop program and the command line (CPack): the programs
#     (stripped), the desktop entry and icon, the compressed manual pages (validador-cli's
#     made from its help), the copyright file and the changelog;
#   - a zip of validador-cli.exe (cross-built with MinGW-w64, no DLLs needed) with a short
#     LEIAME.txt.
# Both go to out/. Usage: scripts/package.sh [BUILD_DIR] [WINDOWS_BUILD_DIR]
#        (defaults: build, the normal build, configured here when missing; build-mingw)
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build}
windows_build=${2:-build-mingw}
out=$PWD/out
started=$SECONDS

scripts/setup.sh --package --windows
mkdir -p "$out"

# The Debian package, from the normal build (re-configured so that help2man is found).
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build_dir" --parallel "$(nproc)" --target validador validador-cli validador-cli-man \
  validador-man validador-package-docs
(cd "$build_dir" && cpack -G DEB -B "$out" >/dev/null)
rm -rf "$out/_CPack_Packages"
deb=$(ls -t "$out"/validador_*.deb | head -n 1)
echo "package: $deb"

# The Windows zip. A Windows build folder made by scripts/test-windows.sh is reused.
if [[ ! -f $windows_build/CMakeCache.txt ]]; then
  cmake -S . -B "$windows_build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
    -DVALIDADOR_GUI=OFF -DVALIDADOR_BENCH=OFF -DVALIDADOR_TESTS=OFF >/dev/null
fi
cmake --build "$windows_build" --parallel "$(nproc)" --target validador-cli
version=$(sed -n 's/^project(Validador VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
zip_name=validador-cli-$version-windows-x64.zip
staging=$(mktemp -d)
trap 'rm -rf "$staging"' EXIT
cp "$windows_build/src/cli/validador-cli.exe" packaging/windows/LEIAME.txt "$staging/"
x86_64-w64-mingw32-strip "$staging/validador-cli.exe"
rm -f "$out/$zip_name"
(cd "$staging" && zip -q -X "$out/$zip_name" validador-cli.exe LEIAME.txt)
echo "package: $out/$zip_name"
echo "== packages: $((SECONDS - started)) s =="
