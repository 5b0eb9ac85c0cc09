#!/usr/bin/env bash
# Digest speed of validador-cli against openssl dgst and rhash on a 256 MiB file.
# Installs the reference programs when missing, builds, runs the comparison.
# Usage: bench/hash-vs-openssl.sh [--size MIB] [--runs N]
set -euo pipefail
cd "$(dirname "$0")/.."

needs=(openssl rhash)
missing=()
for package in "${needs[@]}"; do
  command -v "$package" >/dev/null 2>&1 || missing+=("$package")
done
if ((${#missing[@]} > 0)); then
  as_root=()
  [[ $(id -u) -eq 0 ]] || as_root=(sudo)
  "${as_root[@]}" apt-get update -qq
  "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

scripts/build.sh build-bench -DVALIDADOR_GUI=OFF -DVALIDADOR_TESTS=OFF
build-bench/bench/hash-vs-openssl "$@"
