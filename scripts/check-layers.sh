#!/usr/bin/env bash
# Keeps the layers apart: each folder may include only the folders below it, the
# toolkit-free folders only the standard C++ library, and each face only its own
# system's folder. Run by the test command; exits 1 and names every include out of
# place.
#   check-layers.sh [project folder]
set -euo pipefail
root="${1:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}"
cd "$root"

# From the bottom: what each folder may include of Keldra's own, besides itself.
# The portable part of platform/ sees neither system's folder; each system's folder
# sees the portable part; each face sees everything without a face, and its own
# system's platform folder.
declare -A may_include=(
  [ini]=""
  [platform]="ini"
  [platform/linux]="platform ini"
  [platform/windows]="platform ini"
  [extras]="platform ini"
  [settings]="extras platform ini"
  [monitor]="platform ini"
  [ui]="monitor settings extras platform ini"
  [report]="monitor settings extras platform ini"
  [ui/qt]="ui monitor settings extras platform platform/linux ini"
  [ui/win32]="ui monitor settings extras platform platform/windows ini"
)
# The toolkit-free folders: only the standard C++ library in angle brackets.
toolkit_free="ini platform extras settings monitor ui report"

# The layer a source file or an included header belongs to: its folder, or the
# system's folder under platform/ and the face's under ui/.
layer_of() {
  case "$1" in
    platform/linux/*) echo platform/linux ;;
    platform/windows/*) echo platform/windows ;;
    ui/qt/*) echo ui/qt ;;
    ui/win32/*) echo ui/win32 ;;
    */*) echo "${1%%/*}" ;;
    *) echo "" ;;
  esac
}

failed=0
for layer in "${!may_include[@]}"; do
  [ -d "$layer" ] || continue
  allowed=" $layer ${may_include[$layer]} "
  for file in "$layer"/*.h "$layer"/*.cpp; do
    [ -f "$file" ] || continue
    while IFS= read -r line; do
      header="${line#*\"}"
      header="${header%%\"*}"
      target="$(layer_of "$header")"
      [ -n "$target" ] || continue
      # tests/ and the like are not layers of the program.
      [ -n "${may_include[$target]+x}" ] || continue
      if [[ "$allowed" != *" $target "* ]]; then
        echo "$file: includes $header ($layer may not include $target)"
        failed=1
      fi
    done < <(grep -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file" || true)
    if [[ " $toolkit_free " == *" $layer "* ]]; then
      while IFS= read -r line; do
        echo "$file: $line (only the standard C++ library here)"
        failed=1
      done < <(grep -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*<' "$file" |
                 grep -vE '<[a-z_]+>' || true)
    fi
  done
done
# What a window shows is spelt once, in its description: the two faces share no
# string literal of three characters or more (includes and comments aside).
face_literals() {
  cat "$1"/*.h "$1"/*.cpp 2>/dev/null | grep -vE '^[[:space:]]*(#[[:space:]]*include|//)' |
    grep -oE '"([^"\\]|\\.){3,}"' | sort -u
}
if [ -d ui/qt ] && [ -d ui/win32 ]; then
  while IFS= read -r literal; do
    [ -n "$literal" ] || continue
    echo "ui/qt and ui/win32 both spell $literal (it belongs in the window's description)"
    failed=1
  done < <(comm -12 <(face_literals ui/qt) <(face_literals ui/win32))
fi

if [ "$failed" -ne 0 ]; then
  echo "layers crossed: each folder may include only those below it (scripts/check-layers.sh)"
  exit 1
fi
