#!/usr/bin/env bash
# Builds the desktop program if needed, starts it on a virtual display (Xvfb) and saves
# a picture of its main window; by default after "Abre Arquivos" on the valid example
# delivery. The program takes the picture itself (a grab of its window) and ends.
# Usage: scripts/screenshot.sh [SAIDA.png] [--sem-verificacao]
set -euo pipefail
cd "$(dirname "$0")/.."

out=${1:-docs/janela-principal.png}
check=yes
[[ "${2:-}" == --sem-verificacao ]] && check=no

command -v xvfb-run >/dev/null 2>&1 || scripts/setup.sh
[[ -x build/src/app/validador ]] || scripts/build.sh build

mkdir -p "$(dirname "$out")"
args=(--screenshot "$out")
if [[ $check == yes ]]; then
  # A copy outside the working tree, so that the picture shows a short neutral path.
  example=/var/tmp/validador-exemplo/entrega-valida
  rm -rf "$example" && mkdir -p "$(dirname "$example")"
  cp -r examples/entrega-valida "$example"
  rm -f "$example/HASHV.txt"
  args+=(--pasta "$example" --caso 2024.0042-7 --banco 987 --hash md5)
fi
xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" build/src/app/validador "${args[@]}"
echo "Imagem da janela: $out"
