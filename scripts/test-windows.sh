#!/usr/bin/env bash
# Cross-builds the toolkit-free configuration for 64-bit Windows with MinGW-w64, runs
# every engine and command-line test program under Wine, then runs validador-cli.exe
# and the Linux validador-cli side by side on the examples and compares what they give
# (stdout, stderr, exit status, HASHV.txt and the error listing, byte for byte): in the
# example folders, in a folder named with letters outside ASCII and with a delivery file
# larger than 4 GiB (sparse: it takes no room on disk).
# Then the desktop program: cross-builds it and the window's Qt Tests against Qt for
# Windows (scripts/build-qt-windows.sh, which builds Qt into its cache folder first when
# it is not there: about 35 minutes on two processors), puts the DLLs, plugins and Qt's
# Portuguese texts beside them (scripts/deploy-windows.sh) and runs every window test
# program under Wine with the offscreen platform on a virtual display (Wine needs one
# even then), and the report's date and time tests under an English Windows locale.
# Usage: scripts/test-windows.sh [LINUX_BUILD_DIR] [BUILD_DIR] [GUI_BUILD_DIR]
#        (defaults: build-nogui, where only validador-cli is built when missing; build-mingw;
#        build-mingw-gui)
set -euo pipefail
cd "$(dirname "$0")/.."
linux_build=${1:-build-nogui}
build_dir=${2:-build-mingw}
gui_build=${3:-build-mingw-gui}
started=$SECONDS

scripts/setup.sh --windows --windows-gui

# GoogleTest for Windows, from the sources Debian ships.
gtest_prefix=$PWD/$build_dir/googletest
if [[ ! -f $gtest_prefix/lib/libgtest.a ]]; then
  cmake -S /usr/src/googletest -B "$build_dir/googletest-build" -G Ninja \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
    -DBUILD_GMOCK=OFF -DCMAKE_INSTALL_PREFIX="$gtest_prefix" >/dev/null
  cmake --build "$build_dir/googletest-build" --target install >/dev/null
fi

cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_FIND_ROOT_PATH="$gtest_prefix" \
  -DVALIDADOR_GUI=OFF -DVALIDADOR_BENCH=OFF -DVALIDADOR_WERROR=ON >/dev/null
test_programs=(layout_tests validation_tests hash_tests platform_tests engine_tests cli_core_tests cli_tests)
cmake --build "$build_dir" --parallel "$(nproc)" --target validador-cli "${test_programs[@]}"
echo "== Windows build: $((SECONDS - started)) s =="

# The Linux program to compare with.
linux_cli=$linux_build/src/cli/validador-cli
if [[ ! -x $linux_cli ]]; then
  cmake -S . -B "$linux_build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVALIDADOR_GUI=OFF \
    -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON -DVALIDADOR_BENCH=OFF >/dev/null
  cmake --build "$linux_build" --target validador-cli
fi
linux_cli=$(realpath "$linux_cli")
windows_cli=$(realpath "$build_dir/src/cli/validador-cli.exe")

# Wine in a prefix of its own inside the build folder, quiet, without the prompts to
# install .NET or a browser engine.
export WINEPREFIX=$PWD/$build_dir/wine WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine_started=$SECONDS
wineboot --init >/dev/null 2>&1
echo "== Wine ready: $((SECONDS - wine_started)) s =="

echo "== validador-cli.exe selftest =="
wine "$windows_cli" selftest

export VALIDADOR_TEST_DATA=$PWD/tests/data
for program in "${test_programs[@]}"; do
  echo "== $program.exe under Wine =="
  wine "$(find "$build_dir/tests" -name "$program.exe" | head -n 1)" --gtest_brief=1
done
unset VALIDADOR_TEST_DATA

# Side by side: each program runs in its own copy of the same folders, with the same
# relative arguments, so that every path it prints is the same text.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
lay_out() {
  local copy=$1
  mkdir -p "$copy"
  cp -r examples/entrega-valida examples/entrega-com-erros "$copy/"
  rm -f "$copy"/*/HASHV.txt
  cp -r examples/entrega-valida "$copy/Entrega Łódź"
  # A statement file past 4 GiB: the valid lines, then a sparse hole of NUL bytes.
  cp -r examples/entrega-valida "$copy/Entrega grande"
  truncate -s 4700M "$copy/Entrega grande/E_EXTRATO_BANCARIO.txt"
}
lay_out "$work/linux"
lay_out "$work/windows"

compared=0
differing=0
# compare TITLE FILES_TO_COMPARE -- ARGUMENTS...: runs both programs and compares stdout,
# stderr, exit status and the files named (relative to the copies).
compare() {
  local title=$1
  shift
  local files=()
  while [[ $1 != -- ]]; do
    files+=("$1")
    shift
  done
  shift
  local linux_status=0 windows_status=0
  (cd "$work/linux" && "$linux_cli" "$@" >"$work/linux.out" 2>"$work/linux.err") || linux_status=$?
  (cd "$work/windows" && wine "$windows_cli" "$@" >"$work/windows.out" 2>"$work/windows.err") ||
    windows_status=$?
  # A message that names a path joined by the program shows each system's separator.
  if [[ ${SEPARATORS_MAY_DIFFER:-} == yes ]]; then sed -i 's|\\|/|g' "$work/windows.err"; fi
  local same=yes
  cmp -s "$work/linux.out" "$work/windows.out" || { same=no; echo "   stdout differs:"; diff "$work/linux.out" "$work/windows.out" | head -n 10; }
  cmp -s "$work/linux.err" "$work/windows.err" || { same=no; echo "   stderr differs:"; diff "$work/linux.err" "$work/windows.err" | head -n 10; }
  [[ $linux_status == "$windows_status" ]] || { same=no; echo "   exit status $linux_status (Linux) against $windows_status (Windows)"; }
  local file
  for file in "${files[@]}"; do
    cmp "$work/linux/$file" "$work/windows/$file" || same=no
  done
  compared=$((compared + 1))
  if [[ $same == yes ]]; then
    echo "same: $title (exit status $linux_status, $(wc -l <"$work/linux.out") lines)"
  else
    echo "DIFFERENT: $title"
    differing=$((differing + 1))
  fi
}

echo "== validador-cli.exe under Wine against the Linux build =="
compare "check of the valid example, manifest" entrega-valida/HASHV.txt -- \
  check entrega-valida --case 2024.0042-7 --bank 987 --manifest
compare "check of the example with errors, styled, sha256, error listing" \
  entrega-com-erros/HASHV.txt erros.csv -- \
  check entrega-com-erros --case 2024.0042-7 --bank 987 --hash sha256 --styled --manifest --errors erros.csv
compare "check in a folder named with letters outside ASCII" "Entrega Łódź/HASHV.txt" -- \
  check "Entrega Łódź" --case 2024.0042-7 --bank 987 --hash tiger --manifest
compare "verify of that folder against its manifest" -- verify "Entrega Łódź" --hash tiger
SEPARATORS_MAY_DIFFER=yes compare "check-file refusing to shorten the folder's manifest" \
  "Entrega Łódź/HASHV.txt" -- \
  check-file "Entrega Łódź/E_EXTRATO_BANCARIO.txt" --bank 987 --folder "Entrega Łódź" --manifest
compare "check-file of one file there, replacing the manifest" "Entrega Łódź/HASHV.txt" -- \
  check-file "Entrega Łódź/E_EXTRATO_BANCARIO.txt" --bank 987 --folder "Entrega Łódź" --manifest \
  --force
compare "check with a 4.6 GiB sparse statement file" "Entrega grande/HASHV.txt" -- \
  check "Entrega grande" --case 2024.0042-7 --bank 987 --hash sha1 --manifest
compare "hash of the 4.6 GiB file and of a missing one" -- \
  hash --hash md5 "Entrega grande/E_EXTRATO_BANCARIO.txt" "Entrega Łódź/falta.txt"
compare "wrong use" -- check "Entrega Łódź" --bank 987
compare "help" -- --help

echo "== $compared comparisons, $differing different =="
echo "== command line under Wine: $((SECONDS - started)) s =="

# The desktop program and its tests, against Qt for Windows.
gui_started=$SECONDS
qt_prefix=$(scripts/configure-windows-gui.sh "$gui_build" -DCMAKE_FIND_ROOT_PATH="$gtest_prefix" \
  -DVALIDADOR_WERROR=ON | tail -n 1)
echo "== Qt for Windows ready: $((SECONDS - gui_started)) s =="
mapfile -t ui_tests < <(sed -n 's/^validador_add_ui_test(\([a-z_]*\) .*/\1/p' tests/ui/CMakeLists.txt)
build_started=$SECONDS
cmake --build "$gui_build" --parallel "$(nproc)" \
  --target validador validador-cli report_date_time_tests resultado_tests "${ui_tests[@]}"
for folder in src/cli tests/ui tests/report tests/resultado; do
  scripts/deploy-windows.sh --keep-symbols "$qt_prefix" "$gui_build/$folder"
done
# The translation test also needs a language other than the program's own installed.
cp /usr/share/qt6/translations/qtbase_de.qm "$gui_build/tests/ui/translations/"
echo "== desktop program and window tests built for Windows: $((SECONDS - build_started)) s =="

# A virtual display of our own for Wine, ended with the script.
display_number=$(for n in $(seq 91 140); do [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] || { echo "$n"; break; }; done)
Xvfb ":$display_number" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null || true; rm -rf "$work"' EXIT
for _ in $(seq 50); do [[ -e /tmp/.X11-unix/X$display_number ]] && break; sleep 0.2; done
export DISPLAY=:$display_number

# Qt Test writes its results under Wine only to a file (-o FILE,txt).
failed_programs=()
results=$work/results
mkdir -p "$results"
for program in "${ui_tests[@]}"; do
  result=$results/$program.txt
  status=0
  QT_QPA_PLATFORM=offscreen timeout 900 wine "$gui_build/tests/ui/$program.exe" -o "$result,txt" \
    >/dev/null 2>&1 || status=$?
  totals=$(grep -a '^Totals:' "$result" 2>/dev/null || echo "no results (exit status $status)")
  echo "$program.exe under Wine: $totals"
  if ((status != 0)); then
    grep -a -A 3 '^FAIL!' "$result" 2>/dev/null | head -n 60 || true
    failed_programs+=("$program")
  fi
done
wine "$gui_build/tests/resultado/resultado_tests.exe" --gtest_brief=1 || failed_programs+=(resultado_tests)
# An English Windows: its own formats would write "3/7/24" and "9:05:03 PM".
LC_ALL=en_US.UTF-8 LANG=en_US.UTF-8 VALIDADOR_EXPECT_SYSTEM_LOCALE=en_US QT_QPA_PLATFORM=offscreen \
  wine "$gui_build/tests/report/report_date_time_tests.exe" --gtest_brief=1 ||
  failed_programs+=(report_date_time_tests)
echo "== desktop program under Wine: $((SECONDS - gui_started)) s =="
echo "== Windows build and tests under Wine: $((SECONDS - started)) s =="
if ((${#failed_programs[@]} > 0)); then
  echo "test-windows: failed under Wine: ${failed_programs[*]}" >&2
  exit 1
fi
((differing == 0))
