#!/usr/bin/env bash
# Tests the packages that scripts/package.sh made in out/: installs the Debian package
# with apt (which brings what it depends on), runs the installed validador-cli from
# /usr/bin (self-test, a check of the example delivery), looks for the desktop entry,
# the icon and the manual page and for unresolved libraries of the desktop program,
# then removes the package and checks that its files went with it.
# Then, under Wine on a virtual display (Xvfb): unpacks the Windows zip, runs its
# validador-cli.exe (self-test, a check with the PDF report) and sees its validador.exe
# open the main window; runs the installer silently, sees the Start menu entry and the
# installed program open its window, runs the uninstaller silently and checks that the
# program folder, the menu entry and the uninstall entry went with it.
set -euo pipefail
cd "$(dirname "$0")/.."
if [[ -z ${DISPLAY:-} ]]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
as_root=()
[[ $(id -u) -eq 0 ]] || as_root=(sudo)

deb=$(ls -t out/validador_*.deb | head -n 1)
zip=$(ls -t out/validador-[0-9]*-windows-x64.zip | head -n 1)
setup=$(ls -t out/validador-[0-9]*-setup.exe | head -n 1)
work=$(mktemp -d)
remove_package() { "${as_root[@]}" dpkg -r validador >/dev/null 2>&1 || true; }
trap 'remove_package; rm -rf "$work"' EXIT

fail() {
  echo "test-package: $*" >&2
  exit 1
}

depends=$(dpkg-deb --field "$deb" Depends)
echo "Depends: $depends"
for library in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 qt6-qpa-plugins; do
  [[ $depends == *"$library"* ]] || fail "$deb does not depend on $library"
done

DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends \
  "$PWD/$deb" >/dev/null
[[ $(dpkg-query -W -f='${Status}' validador) == "install ok installed" ]] || fail "not installed"

/usr/bin/validador-cli selftest
cp -r examples/entrega-valida "$work/entrega"
rm -f "$work/entrega/HASHV.txt"
/usr/bin/validador-cli check "$work/entrega" --case 2024.0042-7 --bank 987 --manifest >"$work/log.txt" ||
  fail "the installed validador-cli found errors in the valid example"
[[ -s $work/entrega/HASHV.txt ]] || fail "no HASHV.txt written"
for file in /usr/bin/validador /usr/share/applications/validador.desktop \
  /usr/share/icons/hicolor/256x256/apps/validador.png /usr/share/man/man1/validador-cli.1; do
  [[ -f $file ]] || fail "$file not installed"
done
grep -q 'check-file' /usr/share/man/man1/validador-cli.1 || fail "the manual page lacks the commands"
if ldd /usr/bin/validador | grep -q 'not found'; then
  ldd /usr/bin/validador | grep 'not found' >&2
  fail "the desktop program has unresolved libraries"
fi
echo "installed package: selftest, check, desktop entry, icon, manual page: ok"

remove_package
[[ ! -e /usr/bin/validador-cli && ! -e /usr/share/man/man1/validador-cli.1 ]] ||
  fail "files left after removing the package"
echo "package removed"

# Windows, under Wine.
export WINEPREFIX=${WINEPREFIX:-$PWD/build-mingw/wine} WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineboot --init >/dev/null 2>&1

# Starts a Windows program and waits (at most two minutes) for its main window, titled
# "Validação de Arquivos"; then closes the program.
opens_main_window() {
  local program=$1
  env -u QT_QPA_PLATFORM wine "$program" >"$work/window.log" 2>&1 &
  local started=$!
  local window
  window=$(timeout 120 xdotool search --sync --onlyvisible --name 'Validação de Arquivos' | head -n 1) ||
    true
  kill "$started" 2>/dev/null || true
  wineserver -k 2>/dev/null || true
  wait "$started" 2>/dev/null || true
  [[ -n $window ]] || fail "$program showed no window \"Validação de Arquivos\""
}

unzip -q "$zip" -d "$work/zip"
folder=$(find "$work/zip" -mindepth 1 -maxdepth 1 -type d)
for file in validador.exe validador-cli.exe Qt6Widgets.dll platforms/qwindows.dll \
  platforms/qoffscreen.dll styles/qwindowsvistastyle.dll translations/qtbase_pt_BR.qm qt.conf \
  LEIAME.txt LICENSE.txt; do
  [[ -f $folder/$file ]] || fail "no $file in $zip"
done
wine "$folder/validador-cli.exe" selftest
cp -r examples/entrega-valida "$work/zip-entrega"
rm -f "$work/zip-entrega/HASHV.txt"
wine "$folder/validador-cli.exe" check "$work/zip-entrega" --case 2024.0042-7 --bank 987 \
  --report "$work/zip-entrega.pdf" >/dev/null || fail "validador-cli.exe found errors in the valid example"
pdftotext "$work/zip-entrega.pdf" - | grep -q 'Fim da Verificação' || fail "the zip's PDF report lacks the log"
opens_main_window "$folder/validador.exe"
echo "Windows zip: selftest, check with the PDF report, the main window: ok"

installed='C:\Program Files\Validador'
installed_unix=$WINEPREFIX/drive_c/Program\ Files/Validador
menu=$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start\ Menu/Programs/Validador
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Validador'
wine "$setup" /S
wineserver -w
[[ -f $installed_unix/validador.exe && -f $installed_unix/platforms/qwindows.dll ]] ||
  fail "the installer put no validador.exe in $installed"
[[ -f $menu/Validador.lnk ]] || fail "no Start menu entry $menu/Validador.lnk"
wine reg query "$uninstall_key" /v UninstallString >/dev/null 2>&1 || fail "no uninstall entry"
opens_main_window "$installed_unix/validador.exe"
echo "Windows installer: installed silently, Start menu entry, the program's window: ok"

# A file of the user's in the program folder stays, and so does the folder, with it alone.
user_file="$installed_unix/notas do analista.txt"
echo notas >"$user_file"
wine "$installed_unix/Desinstalar.exe" /S
wineserver -w
left=$(find "$installed_unix" -mindepth 1)
[[ $left == "$user_file" ]] || fail "the uninstaller left or removed files in $installed: $left"
rm -rf "$installed_unix"
[[ ! -e $menu ]] || fail "the Start menu entry is left"
! wine reg query "$uninstall_key" >/dev/null 2>&1 || fail "the uninstall entry is left"
echo "Windows uninstaller: program, menu entry and uninstall entry removed, the user's file kept: ok"
