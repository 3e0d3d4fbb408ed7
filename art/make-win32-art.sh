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
QT_QPA_PLATFORM=offscreen "$build/bin/export_win32_art" "$here/win32"
# An icon file holding the PNG itself (one 64 x 64 image), as Windows reads them.
python3 - "$here/keldra.png" "$here/win32/keldra.ico" <<'PY'
import struct, sys
png = open(sys.argv[1], 'rb').read()
w, h = struct.unpack('>II', png[16:24])
header = struct.pack('<HHH', 0, 1, 1)
entry = struct.pack('<BBBBHHII', w % 256, h % 256, 0, 0, 1, 32, len(png), 6 + 16)
open(sys.argv[2], 'wb').write(header + entry + png)
PY
