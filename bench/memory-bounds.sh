#!/usr/bin/env bash
# Peak resident memory of `validador-cli check` (and of `--report`) on deliveries whose
# contents are as large as a file can make them: a data file whose lines end in line
# feeds only (one line of a gigabyte), a field of 200 MB, a gigabyte of zeros with no
# line end at all, an analyst name of 20 MB in the identification file. Each case is the
# valid example delivery with one file replaced; it prints the peak resident set size
# and the log's error lines, next to those of the example itself. Then the error listing
# of every fault (`--errors X --max-errors 0`) of a statement file of 128 MiB and of
# 512 MiB whose every line has a fault, in CSV and in JSON Lines.
# Usage: bench/memory-bounds.sh [BUILD_DIR] [listing]   (default: build; built when
# missing; "listing": the listing's cases alone)
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
only=${2:-}
[[ -x /usr/bin/time ]] || scripts/setup.sh
[[ -x $build/src/cli/validador-cli ]] || scripts/build.sh "$build"
cli=$(cd "$build" && pwd)/src/cli/validador-cli

work=$(mktemp -d "${TMPDIR:-/tmp}/validador-memoria.XXXXXX")
trap 'rm -rf "$work"' EXIT
export LC_ALL=C

caso=2024.0042-7
banco=987
record=$(head -n 1 examples/entrega-valida/E_EXTRATO_BANCARIO.txt | tr -d '\r\n')
header=$(head -n 1 examples/entrega-valida/I_IDENTIFICA_DADOS.txt | tr -d '\r\n')

# A fresh copy of the example delivery named after the case.
delivery() {
  local dir=$work/$1
  rm -rf "$dir"
  cp -r examples/entrega-valida "$dir"
  rm -f "$dir/HASHV.txt"
  echo "$dir"
}

# A line with field `k` (1-based) replaced by what the command after it prints; the line
# ends in CR LF. Fields can be far longer than a command-line argument.
line_with() {
  local line=$1 k=$2
  shift 2
  if ((k > 1)); then
    cut -f1-$((k - 1)) <<<"$line" | tr -d '\n'
    printf '\t'
  fi
  "$@"
  local rest
  rest=$(cut -f$((k + 1))- <<<"$line")
  [[ -n $rest ]] && printf '\t%s' "$rest"
  printf '\r\n'
}

# `bytes` bytes of the letter `letter`.
letters() { head -c "$1" /dev/zero | tr '\0' "$2"; }

# Declares `count` lines for the E file (field 12 of the header).
declare_e_lines() {
  line_with "$header" 12 printf '%s' "$2" >"$1/I_IDENTIFICA_DADOS.txt"
}

# Runs a check and prints its peak memory and the texts of its error lines.
measure() {
  local name=$1 dir=$2
  shift 2
  local log=$work/$name.log times=$work/$name.time status=0
  /usr/bin/time -v -o "$times" "$cli" check "$dir" --case "$caso" --bank "$banco" --styled "$@" \
    >"$log" 2>"$work/$name.err" || status=$?
  awk -F': ' -v name="$name" -v status="$status" \
    '/Maximum resident set size/ { printf "%-26s pico %7.1f MiB   saída %d\n", name, $2 / 1024, status }' \
    "$times"
  awk -F'\t' '$1 == "E" && $2 != "" && $2 !~ /^ERRO!/ && $2 !~ /^\*+$/ && $2 !~ /^[0-9A-F]+$/ {
    print "    " $2
  }' "$log"
  sed 's/^/    stderr: /' "$work/$name.err"
}

echo "== entrega de exemplo =="
measure exemplo "$(delivery exemplo)"

# A statement file of `mib` MiB whose every line has a wrong date, listed whole.
listing_case() {
  local mib=$1 format=$2
  local dir bad
  dir=$(delivery "erros-${mib}mib-$format")
  bad=$(line_with "$record" 8 printf '31042024' | tr -d '\r\n')
  { yes "$bad"$'\r' || true; } | head -c $((mib << 20)) >"$dir/E_EXTRATO_BANCARIO.txt"
  measure "erros-${mib}mib-$format" "$dir" --errors "$work/erros.$format" --max-errors 0
  awk -v lines="$(wc -l <"$work/erros.$format")" -v bytes="$(stat -c %s "$work/erros.$format")" \
    'BEGIN { printf "    listagem: %d linhas, %.1f MiB\n", lines, bytes / 1048576 }'
  rm -f "$work/erros.$format" "$dir/E_EXTRATO_BANCARIO.txt"
}

for mib in 128 512; do
  for format in csv jsonl; do
    echo "== E de $mib MiB, todas as linhas com erro, --errors .$format --max-errors 0 =="
    listing_case "$mib" "$format"
  done
done
[[ $only == listing ]] && exit 0

echo "== E com linhas terminadas só por LF: uma linha de 1 GiB =="
dir=$(delivery lf-1gib)
{ yes "$record" || true; } | head -c $((1 << 30)) >"$dir/E_EXTRATO_BANCARIO.txt"
declare_e_lines "$dir" 1
measure lf-1gib "$dir"

echo "== E com um campo de 200 MB na linha 2 =="
dir=$(delivery campo-200mb)
{
  printf '%s\r\n' "$record"
  line_with "$record" 7 letters $((200 << 20)) x
  printf '%s\r\n' "$record"
} >"$dir/E_EXTRATO_BANCARIO.txt"
declare_e_lines "$dir" 3
measure campo-200mb "$dir"

echo "== E de 1 GiB de zeros, sem fim de linha (arquivo esparso) =="
dir=$(delivery zeros-1gib)
rm "$dir/E_EXTRATO_BANCARIO.txt"
truncate -s $((1 << 30)) "$dir/E_EXTRATO_BANCARIO.txt"
declare_e_lines "$dir" 1
measure zeros-1gib "$dir"

echo "== nome do analista de 20 MB, com --report =="
dir=$(delivery analista-20mb)
line_with "$header" 6 letters $((20 << 20)) A >"$dir/I_IDENTIFICA_DADOS.txt"
measure analista-20mb "$dir"
measure analista-20mb-relatorio "$dir" --report "$work/relatorio.pdf"
measure exemplo-relatorio "$(delivery exemplo-relatorio)" --report "$work/exemplo.pdf"
