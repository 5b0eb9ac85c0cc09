#!/usr/bin/env bash
# A full check against the digest alone, for every algorithm, on a 1 GiB delivery.
# Installs the reference programs when missing, builds, runs the comparison.
# Usage: bench/check-vs-digest.sh [arguments of check-vs-digest.py]
set -euo pipefail
cd "$(dirname "$0")/.."

source bench/install-references.sh

scripts/build.sh build-bench -DVALIDADOR_GUI=OFF -DVALIDADOR_TESTS=OFF
bench/check-vs-digest.py --build build-bench "$@"
