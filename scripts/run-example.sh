#!/usr/bin/env bash
# Installs what is missing, builds, and checks the bundled example delivery.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh build
