#!/usr/bin/env bash
# Makes the packages in one command:
#   - a Debian package of the desktop program and the command line (CPack): the programs,
#     the desktop entry and icon, the manual page of validador-cli made from its help;
#   - for 64-bit Windows (cross-built with MinGW-w64 against Qt for Windows): a zip of
#     the program folder (validador.exe, validador-cli.exe, the DLLs and plugins they
#     need, Qt's Portuguese texts, LEIAME.txt, LICENSE.txt) and an NSIS installer of it.
# All go to out/. Usage: scripts/package.sh [BUILD_DIR] [WINDOWS_BUILD_DIR]
#        (defaults: build, the normal build, configured here when missing; build-mingw-gui)
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build}
windows_build=${2:-build-mingw-gui}
out=$PWD/out
started=$SECONDS

scripts/setup.sh --package --windows-gui
mkdir -p "$out"

# The Debian package, from the normal build (re-configured so that help2man is found).
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build_dir" --parallel "$(nproc)" --target validador validador-cli validador-cli-man
(cd "$build_dir" && cpack -G DEB -B "$out" >/dev/null)
rm -rf "$out/_CPack_Packages"
deb=$(ls -t "$out"/validador_*.deb | head -n 1)
echo "package: $deb"

# The Windows programs, built against Qt for Windows (scripts/build-qt-windows.sh builds it
# into its cache folder when it is not there: about 35 minutes the first time). A build
# folder configured by scripts/test-windows.sh is reused.
if [[ -f $windows_build/CMakeCache.txt ]]; then
  qt_prefix=$(scripts/build-qt-windows.sh | tail -n 1)
else
  qt_prefix=$(scripts/configure-windows-gui.sh "$windows_build" -DVALIDADOR_TESTS=OFF | tail -n 1)
fi
cmake --build "$windows_build" --parallel "$(nproc)" --target validador validador-cli
version=$(sed -n 's/^project(Validador VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
staging=$(mktemp -d)
trap 'rm -rf "$staging"' EXIT

# The program folder, as the zip has it and the installer installs it.
folder_name=validador-$version-windows-x64
folder=$staging/$folder_name
mkdir -p "$folder"
cp "$windows_build/src/app/validador.exe" "$windows_build/src/cli/validador-cli.exe" "$folder/"
sed 's/$/\r/' packaging/windows/LEIAME.txt >"$folder/LEIAME.txt"
sed 's/$/\r/' LICENSE >"$folder/LICENSE.txt"
scripts/deploy-windows.sh "$qt_prefix" "$folder"

zip_name=$folder_name.zip
# (the zip of validador-cli.exe alone that older versions made is gone: this one holds it)
rm -f "$out/$zip_name" "$out"/validador-cli-*-windows-x64.zip
(cd "$staging" && find "$folder_name" -type f | LC_ALL=C sort | zip -q -X "$out/$zip_name" -@)
echo "package: $out/$zip_name"

# The installer: the same files, listed for it and for its uninstaller (which removes
# those and no other file).
nsis=$staging/nsis
mkdir -p "$nsis"
backslashed() { echo "${1//\//\\}"; }
(
  cd "$folder"
  find . -type d | LC_ALL=C sort | while read -r directory; do
    if [[ $directory == . ]]; then
      echo 'SetOutPath "$INSTDIR"'
    else
      echo "SetOutPath \"\$INSTDIR\\$(backslashed "${directory#./}")\""
    fi
    find "$directory" -maxdepth 1 -type f | LC_ALL=C sort | while read -r file; do
      echo "File \"$folder/${file#./}\""
    done
  done
  echo 'SetOutPath "$INSTDIR"'
) >"$nsis/install.nsh"
(
  cd "$folder"
  find . -type f | LC_ALL=C sort | while read -r file; do
    echo "Delete \"\$INSTDIR\\$(backslashed "${file#./}")\""
  done
  find . -mindepth 1 -type d | LC_ALL=C sort -r | while read -r directory; do
    echo "RMDir \"\$INSTDIR\\$(backslashed "${directory#./}")\""
  done
) >"$nsis/uninstall.nsh"
setup_name=validador-$version-setup.exe
makensis -V2 -INPUTCHARSET UTF8 \
  -DVERSION="$version" -DSTAGING="$folder" -DFILES="$nsis/install.nsh" \
  -DUNFILES="$nsis/uninstall.nsh" -DLICENSE="$folder/LICENSE.txt" \
  -DICON="$PWD/assets/validador.ico" -DSIZE_KB="$(du -sk "$folder" | cut -f1)" \
  -DOUTFILE="$out/$setup_name" packaging/windows/validador.nsi
echo "package: $out/$setup_name"
echo "== packages: $((SECONDS - started)) s =="
