#!/usr/bin/env bash
# Tests the packages that scripts/package.sh made in out/: installs the Debian package
# with apt (which brings what it depends on), runs the installed validador-cli from
# /usr/bin (self-test, a check of the example delivery), looks for the desktop entry,
# the icon and the manual page and for unresolved libraries of the desktop program,
# then removes the package and checks that its files went with it. Then unpacks the
# Windows zip and runs its validador-cli.exe self-test under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
as_root=()
[[ $(id -u) -eq 0 ]] || as_root=(sudo)

deb=$(ls -t out/validador_*.deb | head -n 1)
zip=$(ls -t out/validador-cli-*-windows-x64.zip | head -n 1)
work=$(mktemp -d)
remove_package() { "${as_root[@]}" dpkg -r validador >/dev/null 2>&1 || true; }
trap 'remove_package; rm -rf "$work"' EXIT

fail() {
  echo "test-package: $*" >&2
  exit 1
}

# lintian: no error and no warning (informational tags are shown, not failed on).
lintian_out=$(lintian --tag-display-limit 0 "$deb" 2>&1) || true
[[ -z $lintian_out ]] || echo "$lintian_out"
if grep -qE '^[EW]: ' <<<"$lintian_out"; then
  fail "lintian found errors or warnings in $deb"
fi
echo "lintian: no error, no warning"

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
  /usr/share/icons/hicolor/256x256/apps/validador.png /usr/share/man/man1/validador-cli.1.gz \
  /usr/share/man/man1/validador.1.gz /usr/share/doc/validador/copyright \
  /usr/share/doc/validador/changelog.gz; do
  [[ -f $file ]] || fail "$file not installed"
done
zgrep -q 'check-file' /usr/share/man/man1/validador-cli.1.gz || fail "the manual page lacks the commands"
# The manual pages as a user reads them, accents whole.
man_text=$(LC_ALL=C.UTF-8 MANWIDTH=100 man validador-cli 2>&1)
for word in bancários OPÇÕES obrigatório; do
  grep -q "$word" <<<"$man_text" || fail "man validador-cli lacks \"$word\" (accents mangled?)"
done
grep -q '?' <<<"$(grep -E 'banc|OP' <<<"$man_text")" && fail "man validador-cli shows '?' for accents"
LC_ALL=C.UTF-8 man validador 2>&1 | grep -q 'bancários' || fail "man validador lacks its accents"
if ldd /usr/bin/validador | grep -q 'not found'; then
  ldd /usr/bin/validador | grep 'not found' >&2
  fail "the desktop program has unresolved libraries"
fi
echo "installed package: selftest, check, desktop entry, icon, manual page: ok"

remove_package
[[ ! -e /usr/bin/validador-cli && ! -e /usr/share/man/man1/validador-cli.1.gz ]] ||
  fail "files left after removing the package"
echo "package removed"

unzip -q "$zip" -d "$work/zip"
[[ -f $work/zip/LEIAME.txt ]] || fail "no LEIAME.txt in $zip"
WINEPREFIX=${WINEPREFIX:-$PWD/build-mingw/wine} WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" \
  wine "$work/zip/validador-cli.exe" selftest
echo "Windows zip: selftest under Wine: ok"
