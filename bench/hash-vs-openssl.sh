#!/usr/bin/env bash
# Digest speed of validador-cli against openssl dgst on a 256 MiB file.
# Installs the reference programs when missing, builds, runs the comparison.
# Usage: bench/hash-vs-openssl.sh [--size MIB] [--runs N]
set -euo pipefail
cd "$(dirname "$0")/.."

source bench/install-references.sh

scripts/build.sh build-bench -DVALIDADOR_GUI=OFF -DVALIDADOR_TESTS=OFF
build-bench/bench/hash-vs-openssl "$@"
