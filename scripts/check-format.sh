#!/usr/bin/env bash
# Fails when a C or C++ file differs from the project's .clang-format, naming the
# files; `bash scripts/check-format.sh --fix` reformats them instead.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$here"
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -t listed < <(git ls-files -co --exclude-standard -- '*.c' '*.cpp' '*.h')
  files=()
  for f in "${listed[@]}"; do [ -f "$f" ] && files+=("$f"); done  # not deleted since
else
  mapfile -t files < <(find . -path './build*' -prune -o -type f \( -name '*.c' -o -name '*.cpp' -o -name '*.h' \) -print)
fi
if [ "${1:-}" = "--fix" ]; then
  clang-format -i "${files[@]}"
  exit 0
fi
if ! clang-format --dry-run --Werror "${files[@]}" 2>"${TMPDIR:-/tmp}/keldra-format.$$"; then
  { grep -E '^[^ ].*:[0-9]+:[0-9]+: (error|warning):' "${TMPDIR:-/tmp}/keldra-format.$$" |
    cut -d: -f1 | sort -u | sed 's/^/not formatted: /'; } ||
    cat "${TMPDIR:-/tmp}/keldra-format.$$"
  rm -f "${TMPDIR:-/tmp}/keldra-format.$$"
  echo "run: bash scripts/check-format.sh --fix"
  exit 1
fi
rm -f "${TMPDIR:-/tmp}/keldra-format.$$"
echo "format: ${#files[@]} files as .clang-format says"
