#!/usr/bin/env bash
# The Windows zip as a user gets it: made from the built programs as package.sh makes
# it, unpacked into an empty folder, holding its four files and programs without debug
# sections; then that folder's keldra.exe is run through the window smoke test (the
# window, its dialogs, and keldra.ini saved beside the .exe on closing).
#   zip_smoke.sh <folder with keldra.exe> <mingw triplet> <folder for screenshots>
set -u
bin="$1"
triplet="$2"
shots="$3"
here="$(dirname "${BASH_SOURCE[0]}")"
source "$here/../system/session_basics.sh"
require_tools zip unzip "$triplet-strip" "$triplet-objdump"
bash "$here/../../scripts/windows-zip.sh" "$bin" "$triplet" "$work/keldra.zip" ||
  fail "the zip could not be made"
mkdir "$work/unpacked"
(cd "$work/unpacked" && unzip -q "$work/keldra.zip") || fail "the zip does not unpack"
listed="$(ls "$work/unpacked" | tr '\n' ' ')"
[ "$listed" = "catalog.txt keldra-report.exe keldra.exe keldra.txt " ] ||
  fail "the zip holds $listed"
for exe in keldra keldra-report; do
  sections="$("$triplet-objdump" -h "$work/unpacked/$exe.exe" | awk '$2 ~ /^\.debug/ {print $2}')"
  [ -z "$sections" ] || fail "$exe.exe keeps debug sections: $sections"
done
bash "$here/window_smoke.sh" "$work/unpacked" "$shots"
