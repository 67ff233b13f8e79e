#!/usr/bin/env bash
# Takes a picture of every window of Lumeno into docs/screenshots/ (or the
# folder given): builds tools/screenshots/lumeno-screenshots in the Release
# build and runs it under Xvfb, so the windows are drawn by a real X server
# with the installed fonts. Without xvfb-run it falls back to Qt's offscreen
# platform. Run it again whenever a window changes.
#   tools/screenshots.sh [OUTDIR]
# LUMENO_BUILD_DIR names another build folder to use (an existing one saves
# a build).
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$(pwd)
OUT=${1:-$ROOT/docs/screenshots}
BUILD=${LUMENO_BUILD_DIR:-$ROOT/build/release}

if [ ! -f "$BUILD/CMakeCache.txt" ]; then
  cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=Release -DLUMENO_BUILD_TESTS=OFF -DLUMENO_BUILD_BENCH=OFF
fi
cmake --build "$BUILD" --target lumeno-screenshots -j "$(nproc 2>/dev/null || echo 2)"

mkdir -p "$OUT"
rm -f "$OUT"/*.png
if command -v xvfb-run > /dev/null; then
  xvfb-run -a -s "-screen 0 1280x1024x24" "$BUILD/bin/lumeno-screenshots" "$OUT"
else
  QT_QPA_PLATFORM=offscreen "$BUILD/bin/lumeno-screenshots" "$OUT"
fi
