#!/usr/bin/env bash
# Draws the README's pictures (docs/main-window.png, docs/colour-changer.png,
# docs/side-by-side.png) on a fresh emulated system under Xvfb, with the fonts a user's
# desktop has; and docs/windows-main-window.png, the Win32 program under Wine.
# Usage: scripts/screenshots.sh [OUTPUT_FOLDER]   (default docs/)
set -euo pipefail
cd "$(dirname "$0")/.."
output=${1:-docs}
scripts/deps.sh build test
command -v xvfb-run >/dev/null || scripts/deps.sh screenshots

cmake --preset release >/dev/null
cmake --build --preset release --target lumivane_screenshots
# A screen of its own; the windows are grabbed, so no window manager is needed.
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" \
    build/release/bin/lumivane_screenshots "$output"

# The Win32 main window, as lumivane.exe shows it under Wine.
scripts/windows-screenshot.sh "$output/windows-main-window.png"
