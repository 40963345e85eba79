#!/usr/bin/env bash
# Builds a static libjpeg for the Windows program from Debian's libjpeg-turbo source package,
# cross-compiled with mingw-w64 (no SIMD, no shared library, no TurboJPEG API).
#   scripts/build-libjpeg-mingw.sh ARCH PREFIX     ARCH: x86_64 or i686
# Installs into PREFIX (include/jpeglib.h, lib/libjpeg.a; libjpeg-turbo's defaults for a
# prefix of one's own: do not pass relative CMAKE_INSTALL_*DIR values, it resolves them
# against the working directory); does nothing when that is there.
# The source is fetched with `apt-get source` (scripts/install-deps.sh adds the deb-src entry)
# into a work folder beside PREFIX and reused by the other architecture.
set -euo pipefail

if [ $# -ne 2 ]; then
  echo "usage: $0 x86_64|i686 PREFIX" >&2
  exit 2
fi
arch=$1
case "$arch" in
  x86_64|i686) ;;
  *) echo "unknown architecture: $arch (x86_64 or i686)" >&2; exit 2 ;;
esac
root=$(cd "$(dirname "$0")/.." && pwd)
toolchain=$root/cmake/mingw-$arch.cmake
mkdir -p "$2"
prefix=$(cd "$2" && pwd)

if [ -f "$prefix/lib/libjpeg.a" ] && [ -f "$prefix/include/jpeglib.h" ] &&
   [ -f "$prefix/include/jconfig.h" ] && [ -f "$prefix/include/jmorecfg.h" ] &&
   [ -f "$prefix/include/jerror.h" ]; then
  echo "libjpeg for $arch already in $prefix"
  exit 0
fi

work=$(dirname "$prefix")/libjpeg-work
source_dir=$work/source
mkdir -p "$work"

if [ ! -f "$source_dir/CMakeLists.txt" ]; then
  if ! command -v dpkg-source >/dev/null || ! apt-cache showsrc libjpeg-turbo 2>/dev/null | grep -q '^Package:'; then
    if [ "$(id -u)" = 0 ]; then bash "$root/scripts/install-deps.sh"; else sudo bash "$root/scripts/install-deps.sh"; fi
  fi
  download=$work/download
  rm -rf "$download" "$source_dir.partial"
  mkdir -p "$download"
  apt_options=()
  # As root, apt would otherwise warn that its _apt user cannot write to this folder.
  [ "$(id -u)" = 0 ] && apt_options=(-o APT::Sandbox::User=root)
  (cd "$download" && apt-get source -qq --download-only "${apt_options[@]}" libjpeg-turbo)
  dsc=$(ls "$download"/libjpeg-turbo_*.dsc | head -n 1)
  # Unpacks and applies Debian's patches; apt has already checked the files' hashes.
  dpkg-source -x "$dsc" "$source_dir.partial" >"$work/unpack.log" 2>&1 ||
    { cat "$work/unpack.log" >&2; exit 1; }
  mv "$source_dir.partial" "$source_dir"
  rm -rf "$download"
fi

build_dir=$work/build-$arch
rm -rf "$build_dir"
jobs=$(nproc 2>/dev/null || echo 2)
cmake -S "$source_dir" -B "$build_dir" \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DENABLE_SHARED=0 -DENABLE_STATIC=1 \
  -DWITH_SIMD=0 -DWITH_TURBOJPEG=0 -DWITH_JAVA=0 \
  >"$build_dir.log" 2>&1 || { cat "$build_dir.log" >&2; exit 1; }
cmake --build "$build_dir" -j "$jobs" >>"$build_dir.log" 2>&1 || { tail -n 60 "$build_dir.log" >&2; exit 1; }
cmake --install "$build_dir" >>"$build_dir.log" 2>&1 || { tail -n 60 "$build_dir.log" >&2; exit 1; }
echo "libjpeg for $arch installed in $prefix"
