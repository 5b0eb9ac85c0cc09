#!/usr/bin/env bash
# Builds the desktop program if needed, starts it on a virtual display (Xvfb) and saves
# pictures of its windows. The program takes the pictures itself (grabs of its windows)
# and ends.
#   docs/janela-principal.png  the main window halfway through "Abre Arquivos" on a large
#                              generated delivery (then the check is interrupted)
#   docs/lista-erros.png       "Lista de erros" after a check of examples/entrega-com-erros
# Usage: scripts/screenshot.sh [SAIDA.png] [--sem-verificacao]
#   SAIDA.png              where the main window goes (the faults table is not made then)
#   --sem-verificacao      the main window as it opens
set -euo pipefail
cd "$(dirname "$0")/.."

out=${1:-docs/janela-principal.png}
check=yes
[[ "${2:-}" == --sem-verificacao ]] && check=no

command -v xvfb-run >/dev/null 2>&1 || scripts/setup.sh
[[ -x build/src/app/validador ]] || scripts/build.sh build

run() { xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" build/src/app/validador "$@"; }

mkdir -p "$(dirname "$out")"
if [[ $check == no ]]; then
  run --screenshot "$out"
  echo "Imagem da janela: $out"
  exit 0
fi

# Copies outside the working tree, so that the pictures show short neutral paths.
work=/var/tmp/validador-exemplo
mkdir -p "$work"
generator=build/gerador_entrega
[[ -x $generator ]] || c++ -O2 -std=c++20 bench/gerador_entrega.cpp -o "$generator"
large=$work/entrega-grande
[[ -f $large/E_EXTRATO_BANCARIO.txt ]] || "$generator" "$large" 400 987 2024.0042-7
run --screenshot "$out" --pasta "$large" --caso 2024.0042-7 --banco 987 --hash sha256 --durante
echo "Imagem da janela: $out"

if [[ -z "${1:-}" ]]; then
  faults=$work/entrega-com-erros
  rm -rf "$faults" && cp -r examples/entrega-com-erros "$faults"
  rm -f "$faults/HASHV.txt"
  run --screenshot "$work/janela-com-erros.png" --pasta "$faults" --caso 2024.0042-7 --banco 987 --hash md5 \
    --lista-erros docs/lista-erros.png
  echo "Imagem da lista de erros: docs/lista-erros.png"
fi
