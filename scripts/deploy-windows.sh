#!/usr/bin/env bash
# Puts beside the Windows programs of a folder what they need to run on a Windows
# machine that has no Qt: the Qt DLLs and MinGW runtime DLLs they import (and those
# these import in turn), the platform plugins (windows for the window, offscreen for the
# command line's report), the Windows style, the image formats the program reads (GIF
# splash, JPEG logo and emblem; PNG is built in), Qt's Brazilian Portuguese texts and a
# qt.conf that makes Qt look for all of it in that folder. Everything copied is stripped
# (and the programs too, unless --keep-symbols).
#
# Then it checks with objdump -p that every DLL an executable or plugin of the folder
# imports is either in the folder or a DLL that Windows itself has, and fails naming the
# ones that are neither.
#
# Usage: scripts/deploy-windows.sh [--keep-symbols] QT_PREFIX FOLDER
set -euo pipefail
cd "$(dirname "$0")/.."

strip_programs=yes
if [[ ${1:-} == --keep-symbols ]]; then
  strip_programs=no
  shift
fi
if (($# != 2)); then
  echo "usage: scripts/deploy-windows.sh [--keep-symbols] QT_PREFIX FOLDER" >&2
  exit 64
fi
qt_prefix=$1
folder=$2
triplet=x86_64-w64-mingw32
objdump=$triplet-objdump
strip=$triplet-strip

fail() {
  echo "deploy-windows: $*" >&2
  exit 1
}
[[ -d $folder ]] || fail "no folder $folder"
[[ -f $qt_prefix/bin/Qt6Core.dll ]] || fail "no Qt for Windows in $qt_prefix"

# Where the DLLs that are not Windows' own come from: Qt, then the MinGW runtime of the
# compiler that built Qt and the programs.
gcc_runtime=$(dirname "$($triplet-g++-posix -print-libgcc-file-name)")
dll_sources=("$qt_prefix/bin" "$gcc_runtime" "/usr/$triplet/lib")

# DLLs every Windows has (system32), in lower case; api-ms-win-* are its API sets.
windows_dlls=(advapi32.dll bcrypt.dll comctl32.dll comdlg32.dll crypt32.dll d2d1.dll d3d11.dll
  d3d12.dll d3d9.dll dwmapi.dll dwrite.dll dxgi.dll gdi32.dll imm32.dll kernel32.dll mpr.dll
  msvcrt.dll netapi32.dll ntdll.dll ole32.dll oleaut32.dll rpcrt4.dll setupapi.dll shcore.dll
  shell32.dll shlwapi.dll user32.dll userenv.dll uxtheme.dll version.dll winmm.dll
  winspool.drv ws2_32.dll wtsapi32.dll authz.dll cfgmgr32.dll dnsapi.dll iphlpapi.dll
  secur32.dll ucrtbase.dll)

is_windows_dll() {
  local name=${1,,} known
  [[ $name == api-ms-win-* || $name == ext-ms-win-* ]] && return 0
  for known in "${windows_dlls[@]}"; do
    [[ $name == "$known" ]] && return 0
  done
  return 1
}

# The names of the DLLs a PE file imports, one a line.
imports_of() {
  "$objdump" -p "$1" | sed -n 's/^[[:space:]]*DLL Name: \(.*\)$/\1/p'
}

# The path of DLL `name` among the sources, case ignored; empty when none has it.
find_dll() {
  local directory
  for directory in "${dll_sources[@]}"; do
    local found
    found=$(find "$directory" -maxdepth 1 -iname "$1" -print -quit 2>/dev/null)
    if [[ -n $found ]]; then
      echo "$found"
      return
    fi
  done
}

copy_stripped() {
  local source=$1 target=$2
  mkdir -p "$(dirname "$target")"
  cp "$source" "$target"
  "$strip" --strip-unneeded "$target"
}

# The plugins.
plugins=(platforms/qwindows.dll platforms/qoffscreen.dll platforms/qminimal.dll styles/qwindowsvistastyle.dll
  imageformats/qgif.dll imageformats/qjpeg.dll)
for plugin in "${plugins[@]}"; do
  [[ -f $qt_prefix/plugins/$plugin ]] || fail "Qt has no plugin $plugin"
  copy_stripped "$qt_prefix/plugins/$plugin" "$folder/$plugin"
done

# Qt's own texts in Brazilian Portuguese (file and print dialogs, standard buttons).
translation=/usr/share/qt6/translations/qtbase_pt_BR.qm
[[ -f $translation ]] || fail "$translation is missing (package qt6-translations-l10n)"
mkdir -p "$folder/translations"
cp "$translation" "$folder/translations/"

# Qt's folders are this folder: plugins and translations are found wherever it is put.
printf '[Paths]\r\nPrefix = .\r\nPlugins = .\r\nTranslations = translations\r\n' >"$folder/qt.conf"

if [[ $strip_programs == yes ]]; then
  find "$folder" -maxdepth 1 -iname '*.exe' -exec "$strip" --strip-unneeded {} +
fi

# The DLLs imported, until nothing new is imported.
pe_files() { find "$folder" \( -iname '*.exe' -o -iname '*.dll' \) -type f; }
while true; do
  added=0
  while read -r file; do
    while read -r dll; do
      [[ -n $(find "$folder" -maxdepth 1 -iname "$dll" -print -quit) ]] && continue
      is_windows_dll "$dll" && continue
      source=$(find_dll "$dll")
      [[ -n $source ]] || continue
      copy_stripped "$source" "$folder/$(basename "$source")"
      added=$((added + 1))
    done < <(imports_of "$file")
  done < <(pe_files)
  ((added > 0)) || break
done

# The check: every import of every program and plugin is here or is Windows' own.
missing=()
checked=0
while read -r file; do
  checked=$((checked + 1))
  while read -r dll; do
    [[ -n $(find "$folder" -maxdepth 1 -iname "$dll" -print -quit) ]] && continue
    is_windows_dll "$dll" && continue
    missing+=("${file#"$folder"/} imports $dll")
  done < <(imports_of "$file")
done < <(pe_files)
if ((${#missing[@]} > 0)); then
  printf 'deploy-windows: not in the folder and not a Windows DLL: %s\n' "${missing[@]}" >&2
  exit 1
fi
echo "deploy-windows: $folder: $checked programs and DLLs, every import found ($(du -sh "$folder" | cut -f1))"
