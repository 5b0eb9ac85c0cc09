#!/usr/bin/env bash
# A full check against the digest alone, for every algorithm, on a 1 GiB delivery.
# Installs the reference programs when missing, builds, runs the comparison.
# Usage: bench/check-vs-digest.sh [arguments of check-vs-digest.py]
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
bench/check-vs-digest.py --build build-bench "$@"
