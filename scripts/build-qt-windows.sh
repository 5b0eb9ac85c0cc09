#!/usr/bin/env bash
# Builds Qt for 64-bit Windows (MinGW-w64) from Debian's own source package of qt6-base,
# the version the build machine's qt6-base-dev has, with only what the desktop program
# and its tests need: Core, Gui, Widgets, PrintSupport and Test, the windows, offscreen
# and minimal platform plugins, the Windows style and the image formats.
#
# It installs into a cache folder outside the checkout and prints that folder's path as
# its last line. The folder's name carries a hash of the version, the options and the
# toolchain, and a stamp inside says the install finished: when the stamp is there,
# nothing is done. Each stage's wall time is printed on stderr.
#
# Usage: scripts/build-qt-windows.sh            (builds when needed, prints the prefix)
#        scripts/build-qt-windows.sh --print     (only prints the prefix it would use)
# Environment: VALIDADOR_CACHE (default ~/.cache/validador), JOBS (default nproc).
set -euo pipefail
cd "$(dirname "$0")/.."
project=$PWD

say() { echo "build-qt-windows: $*" >&2; }
stage_started=$SECONDS
stage_done() {
  say "$1: $((SECONDS - stage_started)) s"
  stage_started=$SECONDS
}

# The features left out and the two the Windows plugin needs switched off:
# tabletevent, because Debian's DFSG source drops wintab.h; dynamicgl, because with
# OpenGL off the window code still asks for it.
qt_options=(
  -DCMAKE_BUILD_TYPE=Release
  -DBUILD_SHARED_LIBS=ON
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DQT_HOST_PATH=/usr
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
  -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF
  -DFEATURE_system_jpeg=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF
  -DFEATURE_vulkan=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
  -DFEATURE_tabletevent=OFF -DFEATURE_dynamicgl=OFF
)

host_version=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null || true)
if [[ -z $host_version ]]; then
  say "qt6-base-dev is not installed (scripts/setup.sh --windows-gui)"
  exit 1
fi
upstream_version=${host_version%%+*}
upstream_version=${upstream_version#*:}

toolchain=$project/cmake/mingw-w64-x86_64.cmake
options_hash=$(
  {
    echo "$host_version"
    printf '%s\n' "${qt_options[@]}"
    cat "$toolchain"
    x86_64-w64-mingw32-g++-posix --version 2>/dev/null | head -n 1
  } | sha256sum | cut -c1-12
)
cache=${VALIDADOR_CACHE:-$HOME/.cache/validador}
prefix=$cache/qt-$upstream_version-mingw-$options_hash
stamp=$prefix/.validador-stamp

if [[ ${1:-} == --print ]]; then
  echo "$prefix"
  exit 0
fi
if [[ -f $stamp ]]; then
  say "Qt for Windows is ready in $prefix"
  echo "$prefix"
  exit 0
fi

work=$cache/qt-work-$options_hash
mkdir -p "$work"

# The source: Debian's deb-src entry for the archive and suite this machine already
# uses, given to apt only for this call, with lists and cache of its own.
if [[ ! -d $work/source ]]; then
  apt_dir=$work/apt
  rm -rf "$apt_dir"
  mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial" "$apt_dir/sources.d"
  : >"$apt_dir/sources.list"
  for sources in /etc/apt/sources.list.d/*.sources; do
    [[ -f $sources ]] || continue
    sed -e 's/^Types:.*/Types: deb-src/' "$sources" >"$apt_dir/sources.d/$(basename "$sources")"
  done
  if [[ -f /etc/apt/sources.list ]]; then
    sed -n -e 's/^deb \(.*\)/deb-src \1/p' /etc/apt/sources.list >"$apt_dir/sources.list"
  fi
  apt_options=(
    -o Dir::Etc::SourceList="$apt_dir/sources.list"
    -o Dir::Etc::SourceParts="$apt_dir/sources.d"
    -o Dir::State::Lists="$apt_dir/lists"
    -o Dir::Cache="$apt_dir/cache"
    -o Debug::NoLocking=1 -o APT::Sandbox::User=root
  )
  apt-get "${apt_options[@]}" -qq update
  rm -rf "$work/download"
  mkdir -p "$work/download"
  # apt checks every file against the archive's signed index before it keeps it, so
  # dpkg-source need not check the .dsc's own signature (whose key is not installed).
  (cd "$work/download" && apt-get "${apt_options[@]}" -qq --download-only source "qt6-base=$host_version")
  dsc=$(ls "$work/download"/*.dsc)
  rm -rf "$work/source.tmp"
  dpkg-source --no-check -x "$dsc" "$work/source.tmp" >"$work/unpack.log" 2>&1
  mv "$work/source.tmp" "$work/source"
  stage_done "source qt6-base $host_version fetched, checked and unpacked"
fi

cmake -S "$work/source" -B "$work/build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$prefix" \
  "${qt_options[@]}" >"$work/configure.log" 2>&1 || {
  tail -n 40 "$work/configure.log" >&2
  exit 1
}
stage_done "configured (log: $work/configure.log)"

cmake --build "$work/build" --parallel "${JOBS:-$(nproc)}" >"$work/build.log" 2>&1 || {
  grep -B 5 -A 20 -m 3 'FAILED:' "$work/build.log" >&2 || tail -n 60 "$work/build.log" >&2
  exit 1
}
stage_done "built (log: $work/build.log)"

rm -rf "$prefix"
cmake --install "$work/build" >"$work/install.log" 2>&1
echo "$host_version" >"$stamp"
stage_done "installed into $prefix ($(du -sh "$prefix" | cut -f1))"
rm -rf "$work/build"
echo "$prefix"
