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
  [notices]="monitor platform ini"
  [report]="notices monitor settings extras platform ini"
  [ui/qt]="ui monitor settings extras platform platform/linux ini"
  [ui/win32]="ui monitor settings extras platform platform/windows ini"
)
# The toolkit-free folders: only the standard C++ library in angle brackets.
toolkit_free="ini platform extras settings monitor notices ui report"

# The layer a source file or an included header belongs to: its folder, or the
# system's folder under platform/ and the face's under ui/; into $target (no subshell).
layer_of() {
  case "$1" in
    platform/linux/*) target=platform/linux ;;
    platform/windows/*) target=platform/windows ;;
    ui/qt/*) target=ui/qt ;;
    ui/win32/*) target=ui/win32 ;;
    */*) target="${1%%/*}" ;;
    *) target="" ;;
  esac
}

# The project's path an include line names, as the compiler finds it, into $header: a
# quoted name beside the including file first, then from the project folder; an
# angle-bracket name only where it starts with one of the project's folders (the build
# puts the project folder on the include path). "." and ".." are resolved, so that no
# spelling of a path hides its layer. False for a header that is not the project's.
# (No subshell for the common case: the check runs over every include of the tree.)
included_path() {
  local file="$1" line="$2"
  if [[ "$line" =~ \#[[:space:]]*include[[:space:]]*\"([^\"]*)\" ]]; then
    header="${BASH_REMATCH[1]}"
    if [[ "$header" == ./* || "$header" == ../* ]] && [ -e "${file%/*}/$header" ]; then
      header="${file%/*}/$header"
    fi
  elif [[ "$line" =~ \#[[:space:]]*include[[:space:]]*\<([^\>]*)\> ]]; then
    header="${BASH_REMATCH[1]}"
    [ -n "${may_include[${header%%/*}]+x}" ] || return 1
  else
    return 1
  fi
  if [[ "$header" == *./* || "$header" == */. || "$header" == *//* ]]; then
    header="$(realpath -m --relative-to=. -- "$header")"
  fi
}

failed=0
for layer in "${!may_include[@]}"; do
  [ -d "$layer" ] || continue
  allowed=" $layer ${may_include[$layer]} "
  files=()
  for file in "$layer"/*.h "$layer"/*.cpp; do
    [ -f "$file" ] && files+=("$file")
  done
  [ "${#files[@]}" -gt 0 ] || continue
  # One grep for the whole folder: "file:line" for each include.
  while IFS= read -r hit; do
    file="${hit%%:*}"
    line="${hit#*:}"
    included_path "$file" "$line" || continue
    layer_of "$header"
    [ -n "$target" ] || continue
    # tests/ and the like are not layers of the program.
    [ -n "${may_include[$target]+x}" ] || continue
    if [[ "$allowed" != *" $target "* ]]; then
      echo "$file: includes $header ($layer may not include $target)"
      failed=1
    fi
  done < <(grep -HE '^[[:space:]]*#[[:space:]]*include[[:space:]]*["<]' "${files[@]}" || true)
  if [[ " $toolkit_free " == *" $layer "* ]]; then
    while IFS= read -r hit; do
      echo "${hit%%:*}: ${hit#*:} (only the standard C++ library here)"
      failed=1
    done < <(grep -HE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<' "${files[@]}" |
               grep -vE ':[[:space:]]*#[[:space:]]*include[[:space:]]*<[a-z_]+>' || true)
  fi
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
