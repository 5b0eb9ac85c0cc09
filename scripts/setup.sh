#!/usr/bin/env bash
# Installs every Debian package that building, testing and benchmarking need.
# Idempotent: only missing packages are installed. Works as root or through sudo.
# Usage: scripts/setup.sh [--cross-aarch64]   (also the 64-bit ARM cross compiler
# and qemu-user, for scripts/test-portable.sh)
set -euo pipefail

packages=(
  build-essential clang cmake ninja-build pkg-config
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-translations-l10n
  poppler-utils openssl
  fonts-liberation fonts-dejavu-core
  xvfb xauth
)
if [[ ${1:-} == --cross-aarch64 ]]; then
  packages+=(g++-aarch64-linux-gnu qemu-user)
fi

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
