#!/usr/bin/env bash
# Writes the Windows window's bitmaps (the drive chooser's five pictures, the
# About box's banner, badge, donation button and OK glyph) from the pictures the
# Qt window draws, and the application icon from keldra.png. The results are
# committed; run this again only after changing the artwork.
# usage: make-win32-art.sh [linux-build-folder]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="$(cd "${1:-$here/../build}" && pwd)"
cmake --build "$build" --target export_win32_art
QT_QPA_PLATFORM=offscreen "$build/bin/export_win32_art" "$here/win32" "$here/keldra.png"
