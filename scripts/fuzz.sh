#!/usr/bin/env bash
# Builds the libFuzzer harnesses of fuzz/ with Clang (AddressSanitizer and
# UndefinedBehaviorSanitizer on) and runs each for the given number of seconds, one after
# the other, starting from a seed corpus made of the example deliveries and a few small
# generated files. What a run finds that is new coverage is kept in build-fuzz/corpus/
# for the next run; an input that breaks a harness is written to build-fuzz/findings/
# and ends the script with a failure.
# Usage: scripts/fuzz.sh [SECONDS_PER_HARNESS] [HARNESS...]
#   harnesses: fuzz_lines fuzz_rules fuzz_header fuzz_abre_arquivo (default: all)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
shift || true
harnesses=("$@")
((${#harnesses[@]})) || harnesses=(fuzz_lines fuzz_rules fuzz_header fuzz_abre_arquivo)
build=build-fuzz

scripts/setup.sh  # Clang and its libFuzzer among the rest
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVALIDADOR_FUZZ=ON -DVALIDADOR_WERROR=ON -DVALIDADOR_GUI=OFF -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON \
  -DVALIDADOR_TESTS=OFF -DVALIDADOR_BENCH=OFF >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target "${harnesses[@]}"

export LC_ALL=C

# The index of a record type letter, as the harnesses read their first choice byte.
type_index() {
  case "$1" in
    A) echo 0 ;; B) echo 1 ;; C) echo 2 ;; E) echo 3 ;; I) echo 4 ;; O) echo 5 ;; T) echo 6 ;;
    Y) echo 7 ;; *) echo 8 ;;
  esac
}

# Writes a seed: the choice bytes (decimal values) and then the bytes of a file.
seed() {
  local out=$1 file=$2
  shift 2
  {
    for byte in "$@"; do printf "\\x$(printf %02x "$byte")"; done
    cat "$file"
  } >"$out"
}

# Small files of the kinds of line ends and contents that matter to the readers.
generated_files() {
  local dir=$1
  mkdir -p "$dir"
  printf 'E\t001\t0001\t00010001\t1\t000001\thist\t05062023\t000100\t1500,75\tC\nE\t001\n' >"$dir/E_lf"
  printf 'Y\t001\t001\tobs\r\rY\t001\t002\tobs\r\r\nY\t001\r\n\x1AY\t001\t003\n' >"$dir/Y_ends"
  printf 'A\t001\t%0300d\tnome\r\n\t\t\t\r\nA\t002\r\n' 7 >"$dir/A_long"
  printf 'C\t001\t0001\t00010001\t1\t10022010\t\r\n\x1A' >"$dir/C_eof"
  : >"$dir/I_empty"
}

make_seeds() {
  local seeds=$1
  rm -rf "$seeds"
  mkdir -p "$seeds"/{fuzz_lines,fuzz_rules,fuzz_header,fuzz_abre_arquivo} "$seeds/files"
  generated_files "$seeds/files"
  local n=0 file name letter type line
  for file in examples/*/*.txt "$seeds"/files/*; do
    name=$(basename "$file")
    [[ $name == HASHV.txt ]] && continue
    letter=${name:0:1}
    type=$(type_index "$letter")
    n=$((n + 1))
    seed "$seeds/fuzz_lines/$n-a" "$file" "$type" 7
    seed "$seeds/fuzz_lines/$n-b" "$file" "$type" 133
    seed "$seeds/fuzz_abre_arquivo/$n-a" "$file" "$type" $((3 | 2 << 3)) 0
    seed "$seeds/fuzz_abre_arquivo/$n-b" "$file" $((type | 128)) 1 135
    if [[ $letter == I ]]; then
      seed "$seeds/fuzz_header/$n-a" "$file" 3 7
      seed "$seeds/fuzz_header/$n-b" "$file" 0 133
    fi
    local k=0
    while IFS= read -r line || [[ -n $line ]]; do
      k=$((k + 1))
      printf '%s' "${line%$'\r'}" >"$seeds/files/line"
      seed "$seeds/fuzz_rules/$n-$k" "$seeds/files/line" "$type"
    done <"$file"
  done
  rm -f "$seeds/files/line"
}

make_seeds "$build/seeds"
mkdir -p "$build/findings"
status=0
for harness in "${harnesses[@]}"; do
  corpus=$build/corpus/$harness
  mkdir -p "$corpus"
  echo "== $harness: $seconds s =="
  if ! ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    "$build/fuzz/$harness" "$corpus" "$build/seeds/$harness" -max_total_time="$seconds" \
    -max_len=8192 -timeout=60 -print_final_stats=1 -artifact_prefix="$build/findings/$harness-" \
    2>"$build/$harness.log"; then
    status=1
    tail -n 60 "$build/$harness.log"
  fi
  grep -E '^#[0-9]+[[:space:]]+DONE|stat::number_of_executed_units|stat::peak_rss_mb' "$build/$harness.log" || true
done
exit "$status"
