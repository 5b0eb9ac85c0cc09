#!/usr/bin/env bash
# Installs every Debian package that building, testing and benchmarking need.
# Idempotent: only missing packages are installed. Works as root or through sudo.
# Usage: scripts/setup.sh [--cross-aarch64] [--windows] [--windows-gui] [--package]
#   --cross-aarch64  also the 64-bit ARM cross compiler and qemu-user (scripts/test-portable.sh)
#   --windows        also MinGW-w64 and Wine (scripts/test-windows.sh)
#   --windows-gui    also what building Qt for Windows from Debian's source and testing,
#                    driving and packaging the desktop program under Wine need
#                    (scripts/build-qt-windows.sh, scripts/drive-windows.sh, NSIS)
#   --package        also what scripts/package.sh needs (dpkg-dev, help2man, zip)
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config ccache
  clang libclang-rt-14-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-translations-l10n
  poppler-utils openssl time
  fonts-liberation fonts-dejavu-core
  xvfb xauth xdotool
)
for option in "$@"; do
  case $option in
    --cross-aarch64) packages+=(g++-aarch64-linux-gnu qemu-user) ;;
    --windows) packages+=(g++-mingw-w64-x86-64-posix wine wine64) ;;
    --windows-gui)
      packages+=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
        wine wine64 dpkg-dev qt6-base-dev qt6-base-dev-tools qt6-translations-l10n
        nsis zip unzip xvfb xauth xdotool poppler-utils) ;;
    --package) packages+=(dpkg-dev help2man zip) ;;
    *) echo "setup: unknown option $option" >&2; exit 64 ;;
  esac
done

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

if [[ $(id -u) -eq 0 ]]; then
  as_root=()
elif command -v sudo >/dev/null 2>&1; then
  as_root=(sudo)
else
  echo "setup: missing packages (${missing[*]}) and neither root nor sudo" >&2
  exit 1
fi

echo "setup: installing ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
