#!/usr/bin/env bash
# Installs what is missing, builds Vantrelle natively and for Windows (x86_64 and i686),
# and runs every test: the engine's unit tests, the JPEG decoding tests, and the Windows
# program under Wine (smoke test and the end-to-end scenarios against the stand-in uploader).
set -euo pipefail
cd "$(dirname "$0")/.."
builds=${VANTRELLE_BUILD_ROOT:-$PWD/build}

bash scripts/build.sh all
cd "$builds/native"
ctest --output-on-failure --timeout 900
