#!/usr/bin/env bash
# The zip a Windows user downloads: keldra.exe and keldra-report.exe stripped, beside
# the read-me and the catalogue; nothing else is needed beside them.
#   windows-zip.sh <build folder's bin> <mingw triplet> <zip to write>
set -euo pipefail
bin="$1"
triplet="$2"
zip_path="$(realpath -m "$3")"
stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT
for exe in keldra keldra-report; do
  "$triplet-strip" -o "$stage/$exe.exe" "$bin/$exe.exe"
done
cp "$bin/keldra.txt" "$bin/catalog.txt" "$stage/"
rm -f "$zip_path"
(cd "$stage" && zip -X -q "$zip_path" keldra.exe keldra-report.exe keldra.txt catalog.txt)
