#!/usr/bin/env bash
# The window tests that lay the three windows out, run again with Wine's screen at
# 144 dots per inch (150 %): each window must be laid out and drawn at that, not
# drawn at 96 and stretched.
#   dpi_test.sh <keldra_win32_window_tests.exe>
# Runs in the Wine prefix of WINEPREFIX, whose dots per inch it sets and puts back.
set -u
tests="$1"
if [ -z "${WINEPREFIX:-}" ] || [ ! -d "$WINEPREFIX/dosdevices" ]; then
  echo "SKIPPED: no Wine prefix (WINEPREFIX) to run in"
  exit 77
fi
key='HKEY_CURRENT_CONFIG\Software\Fonts'
was="$(wine reg query "$key" /v LogPixels 2>/dev/null | tr -d '\r' | awk '/LogPixels/ {print $3}')"
put_back() {
  if [ -n "$was" ]; then
    wine reg add "$key" /v LogPixels /t REG_DWORD /d "$((was))" /f
  else
    wine reg delete "$key" /v LogPixels /f
  fi >/dev/null 2>&1
}
trap put_back EXIT
wine reg add "$key" /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
# Each Wine process reads the figure as it starts; the test checks it got 144.
KELDRA_EXPECT_DPI=144 wine "$tests" \
  --gtest_filter='Win32_Window.TheThreeWindowsAsDesigned:Win32_Window.AWindowMoved*' 2>&1 |
  grep -v fixme
exit "${PIPESTATUS[0]}"
