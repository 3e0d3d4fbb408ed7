#!/usr/bin/env bash
# The toolkit looks at nothing beside the executable: every name the window's
# process and its helpers look up in the program's folder, from start to close, is
# one of Keldra's own files. A folder on a volume that stops answering then costs one
# bounded wait, never the window (a lookup of "qt6.conf" there would wait for good).
#   program_folder_smoke.sh <folder with keldra and keldra-report> <folder for screenshots>
set -u
bin="$1"
shots="$2"
source "$(dirname "${BASH_SOURCE[0]}")/x_session.sh"
require_tools strace

app="$work/app"
mkdir -p "$app"
cp "$bin/keldra" "$bin/keldra-report" "$app/"
printf '[drives]\nC=/\n' >"$app/drives.ini"
strace -f -qq -e trace=%file -o "$work/trace" true 2>/dev/null ||
  skip "strace cannot trace here (no ptrace)"

(cd "$work" && exec strace -f -qq -e trace=%file -o "$work/trace" "$app/keldra") \
  >"$work/keldra.log" 2>&1 &
keldra_pid=$!
pids+=("$keldra_pid")
win="$(wait_for_window '^Keldra v3\.6f$')"
[ -n "$win" ] || fail "no keldra window appeared: $(cat "$work/keldra.log")"
wmctrl -i -c "$win"
wait_until 60 gone "$keldra_pid" || fail "the window did not close"
[ -s "$app/keldra.ini" ] || fail "closing saved nothing"

# Keldra's own: the executable, its settings and drive table, and their temporaries.
own='^(keldra|keldra\.ini|drives\.ini|\.(keldra|drives)\.ini\.keldra-save-.*)$'
others="$(grep -o "\"$app/[^\"]*\"" "$work/trace" | tr -d '"' | sed "s|^$app/||" |
  sort -u | grep -Ev "$own")"
[ -z "$others" ] || fail "looked up beside the executable: $(echo $others)"
echo "PASSED: only Keldra's own files looked up in the program's folder"
