#!/usr/bin/env bash
# Installs what is missing, builds, and checks the bundled example delivery: prints
# the verification log, writes the manifest HASHV.txt into the example folder and the
# result report to build/Resultado-exemplo.pdf.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh build
status=0
build/src/cli/validador-cli check examples/entrega-valida \
  --case 2024.0042-7 --bank 987 --hash md5 --manifest --report build/Resultado-exemplo.pdf || status=$?
echo
echo "Manifesto examples/entrega-valida/HASHV.txt:"
cat examples/entrega-valida/HASHV.txt
echo "Relatório: build/Resultado-exemplo.pdf (código de saída da verificação: $status)"
exit "$status"
