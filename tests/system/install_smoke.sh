#!/usr/bin/env bash
# Installs Keldra the way the README recommends, into a temporary prefix with a
# blank in its name and a temporary home, and runs the installed program on Xvfb:
# it must start, keep its settings beside itself and save them on closing.
#   install_smoke.sh <build folder> <source folder>
set -u
build="$1"
source="$2"
fail() { echo "FAILED: $*"; exit 1; }
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
prefix="$work/opt/Keldra Install"
export HOME="$work/home"
unset XDG_DATA_HOME
mkdir -p "$HOME"
cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || fail "cmake --install: $(cat "$work/install.log")"
for f in keldra keldra-report keldra.txt catalog.txt keldra.png; do
  [ -e "$prefix/$f" ] || fail "$f was not installed"
done
launcher="$HOME/.local/share/applications/keldra.desktop"
[ -f "$launcher" ] || fail "no launcher in the user's applications folder"
grep -qx "Exec=\"$prefix/keldra\"" "$launcher" || fail "launcher Exec is wrong: $(grep Exec "$launcher")"
grep -qx "Icon=$prefix/keldra.png" "$launcher" || fail "launcher Icon is wrong"
if command -v desktop-file-validate >/dev/null 2>&1; then
  desktop-file-validate "$launcher" || fail "the launcher is not a valid desktop entry"
fi
"$prefix/keldra-report" >/dev/null || fail "the installed keldra-report does not run"
bash "$source/tests/system/xvfb_smoke.sh" "$prefix" "$work" --in-place
