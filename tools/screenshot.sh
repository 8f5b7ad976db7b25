#!/usr/bin/env bash
# Makes docs/screenshot.png (the window with the default project and an open submenu in the
# preview) on a virtual X display. Further pictures of each dialog go to build/screenshots/.
# Usage: tools/screenshot.sh [build folder]   (default: build/default)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build/default}"

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" --target tarvex_screenshot

if [ "$(id -u)" -eq 0 ]; then export QTWEBENGINE_DISABLE_SANDBOX=1; fi
out="$PWD/build/screenshots"
mkdir -p "$out"
xvfb-run -a -s "-screen 0 1024x640x24" "$build/bin/tarvex_screenshot" "$out"
cp "$out/main-window.png" docs/screenshot.png
echo "docs/screenshot.png updated; the dialogs are in $out"
