#!/usr/bin/env bash
# Installs what is missing and builds Vantrelle: libjpeg for mingw, the Windows programs
# (x86_64 and i686) and the native build with its tests.
#   scripts/build.sh          everything, as the test command needs it
#   scripts/build.sh win64    only the x86_64 Windows programs (what the demo runs)
# Build output goes to $VANTRELLE_BUILD_ROOT (default: build/).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
builds=${VANTRELLE_BUILD_ROOT:-$root/build}
jobs=$(nproc)
what=${1:-all}

if [ "$(id -u)" = 0 ]; then
  bash scripts/install-deps.sh
else
  sudo bash scripts/install-deps.sh
fi

arches="x86_64 i686"
[ "$what" = win64 ] && arches=x86_64
for arch in $arches; do
  bash scripts/build-libjpeg-mingw.sh "$arch" "$builds/deps/libjpeg-$arch"
done

cmake -S . -B "$builds/win64" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" -DCMAKE_PREFIX_PATH="$builds/deps/libjpeg-x86_64"
cmake --build "$builds/win64" -j "$jobs"
[ "$what" = win64 ] && exit 0

cmake -S . -B "$builds/win32" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" -DCMAKE_PREFIX_PATH="$builds/deps/libjpeg-i686"
cmake --build "$builds/win32" -j "$jobs"

cmake -S . -B "$builds/native" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVANTRELLE_WIN64_DIR="$builds/win64"
cmake --build "$builds/native" -j "$jobs"
