#!/usr/bin/env bash
# Installs what is missing, builds Vantrelle natively and for Windows (x86_64 and i686),
# and runs every test: the engine's unit tests and the Windows program under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
builds=${VANTRELLE_BUILD_ROOT:-$root/build}
jobs=$(nproc)

if [ "$(id -u)" = 0 ]; then
  bash scripts/install-deps.sh
else
  sudo bash scripts/install-deps.sh
fi

for arch in x86_64 i686; do
  bash scripts/build-libjpeg-mingw.sh "$arch" "$builds/deps/libjpeg-$arch"
done

cmake -S . -B "$builds/win64" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" -DCMAKE_PREFIX_PATH="$builds/deps/libjpeg-x86_64"
cmake --build "$builds/win64" -j "$jobs"
cmake -S . -B "$builds/win32" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" -DCMAKE_PREFIX_PATH="$builds/deps/libjpeg-i686"
cmake --build "$builds/win32" -j "$jobs"

cmake -S . -B "$builds/native" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVANTRELLE_WIN64_DIR="$builds/win64"
cmake --build "$builds/native" -j "$jobs"
cd "$builds/native"
ctest --output-on-failure --timeout 900
