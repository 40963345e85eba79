#!/usr/bin/env bash
# The demo: installs what is missing, builds the Windows programs, starts the stand-in uploader
# with five sample videos under Wine on a virtual display, lets Vantrelle edit three of them as a
# person would (count typed, start clicked), prints the videos before and after, and saves
# screenshots into a folder it names. Build output goes to $VANTRELLE_BUILD_ROOT (default: build/).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
builds=${VANTRELLE_BUILD_ROOT:-$root/build}

echo "== installing and building (scripts/build.sh win64)"
mkdir -p "$builds"
bash scripts/build.sh win64 > "$builds/demo-build.log" 2>&1 || { tail -40 "$builds/demo-build.log"; exit 1; }
echo "   done; log in $builds/demo-build.log"

prefix=$builds/wine-prefix-demo
echo "== Wine prefix $prefix"
python3 tests/wine/wine_session.py create-prefix "$prefix"

shots=$builds/demo-$(date +%Y%m%d-%H%M%S)
exec python3 tests/e2e/demo_run.py --prefix "$prefix" --win64 "$builds/win64" --out "$shots"
