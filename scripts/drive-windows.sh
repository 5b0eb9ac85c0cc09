#!/usr/bin/env bash
# Drives the Windows desktop program under Wine on a virtual display (Xvfb), as a user
# would with the keyboard: the main window "Validação de Arquivos" opens with the example
# delivery chosen (the inputs it remembers, written beforehand), "Abre Arquivos" checks
# it, "Resultado" writes HASHV.txt and shows the report's preview, Ctrl+S saves the PDF
# through the native save dialog under its proposed name. It checks the manifest against
# the Linux validador-cli's and reads the PDF back. With a picture name it then has the
# program save a picture of its main window after "Abre Arquivos" (docs/janela-windows.png
# for the README).
#
# Usage: scripts/drive-windows.sh [GUI_BUILD_DIR] [PICTURE.png]
#        (default build-mingw-gui, built by scripts/test-windows.sh or scripts/package.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
if [[ -z ${DISPLAY:-} ]]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" "$0" "$@"
fi
gui_build=${1:-build-mingw-gui}
picture=${2:-}

fail() {
  echo "drive-windows: $*" >&2
  exit 1
}

qt_prefix=$(scripts/build-qt-windows.sh | tail -n 1)
[[ -f $gui_build/CMakeCache.txt ]] || fail "no Windows build in $gui_build (scripts/test-windows.sh)"
cmake --build "$gui_build" --target validador validador-cli >/dev/null
work=$(mktemp -d)
program=$work/programa
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
mkdir -p "$program"
cp "$gui_build/src/app/validador.exe" "$program/"
scripts/deploy-windows.sh "$qt_prefix" "$program" >/dev/null

export WINEPREFIX=${WINEPREFIX:-$PWD/build-mingw/wine} WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineboot --init >/dev/null 2>&1

# A copy of the example outside the working tree, so that the pictures show a short path.
example_parent=/var/tmp/validador-exemplo-windows
example=$example_parent/entrega-valida
rm -rf "$example_parent" && mkdir -p "$example_parent"
cp -r examples/entrega-valida "$example"
rm -f "$example/HASHV.txt"
case_number=2024.0042-7

# The inputs the window remembers (QSettings, INI under %APPDATA%).
appdata=$(wine cmd /c echo %APPDATA% 2>/dev/null | tr -d '\r')
appdata_unix=$(winepath -u "$appdata")
mkdir -p "$appdata_unix/Validador"
printf '[entradas]\r\npasta=Z:%s\r\nalgoritmo=md5\r\ncaso=%s\r\nbanco=987\r\n' \
  "$example" "$case_number" >"$appdata_unix/Validador/validador.ini"

say() { echo "drive-windows: $*"; }

env -u QT_QPA_PLATFORM wine "$program/validador.exe" >"$work/program.log" 2>&1 &
program_pid=$!
window=$(timeout 120 xdotool search --sync --onlyvisible --name 'Validação de Arquivos' | head -n 1) ||
  fail "no window \"Validação de Arquivos\" ($(tail -n 5 "$work/program.log"))"
say "main window open: $(xdotool getwindowname "$window")"
sleep 3
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"

# The focus starts on the case number: Tab Tab is "Abre Arquivos", and after a command
# the focus is back on its button, so Tab Tab from there is "Resultado".
xdotool key --delay 300 Tab Tab space
sleep 8
xdotool key --delay 300 Tab Tab space
for _ in $(seq 60); do [[ -s $example/HASHV.txt ]] && break; sleep 1; done
[[ -s $example/HASHV.txt ]] || fail "\"Resultado\" wrote no HASHV.txt"
preview=$(timeout 60 xdotool search --sync --onlyvisible --name 'Visualização do relatório' | head -n 1) ||
  fail "no preview window"
say "\"Abre Arquivos\", \"Resultado\": HASHV.txt written, preview shown"

# The Linux command line's manifest of the same folder, for comparison.
linux_cli=build-nogui/src/cli/validador-cli
if [[ -x $linux_cli ]]; then
  cp -r examples/entrega-valida "$work/linux"
  rm -f "$work/linux/HASHV.txt"
  "$linux_cli" check "$work/linux" --case "$case_number" --bank 987 --manifest >/dev/null
  cmp "$work/linux/HASHV.txt" "$example/HASHV.txt" || fail "HASHV.txt differs from the Linux one"
  say "HASHV.txt: the same bytes as validador-cli's on Linux"
fi

# "Salvar PDF..." (Ctrl+S), then Enter in the native dialog: the proposed name.
xdotool windowactivate --sync "$preview" 2>/dev/null || xdotool windowfocus --sync "$preview"
sleep 2
xdotool key ctrl+s
sleep 5
xdotool key Return
pdf=$example/Resultado-$case_number.pdf
for _ in $(seq 60); do [[ -s $pdf ]] && break; sleep 1; done
[[ -s $pdf ]] || fail "no PDF saved at $pdf"
text=$(pdftotext -layout "$pdf" -)
grep -q 'Fim da Verificação' <<<"$text" || fail "the PDF lacks the log"
grep -q "Número de referência: *$case_number" <<<"$text" || fail "the PDF lacks the case number"
grep -Eq 'Em [0-3][0-9]/[01][0-9]/[0-9]{4}' <<<"$text" || fail "the PDF's date is not dd/mm/yyyy"
say "PDF saved through the native dialog: $pdf ($(grep -o 'Em [0-9/]*' <<<"$text"), $(grep -o 'Às [0-9:]*' <<<"$text"))"

kill "$program_pid" 2>/dev/null || true
wineserver -k 2>/dev/null || true
wait "$program_pid" 2>/dev/null || true

if [[ -n $picture ]]; then
  rm -f "$example/HASHV.txt" "$pdf"
  mkdir -p "$(dirname "$picture")"
  wine "$program/validador.exe" --screenshot "$(winepath -w "$work/janela.png")" \
    --pasta "Z:$example" --caso "$case_number" --banco 987 --hash md5
  [[ -s $work/janela.png ]] || fail "no picture taken"
  cp "$work/janela.png" "$picture"
  say "picture of the window: $picture"
fi
say "ok"
