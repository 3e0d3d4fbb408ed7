#!/usr/bin/env bash
# A real drag and drop (XDND) onto Keldra's window, from a drag source that offers
# copy, move and link and proposes move: the drop must end as a copy, so that the
# source deletes nothing, and the file's drive must be added.
#   drop_smoke.sh <folder with keldra and keldra-report> <drag source> <folder for screenshots>
set -u
bin="$1"
drag_source="$2"
shots="$3"
source "$(dirname "${BASH_SOURCE[0]}")/x_session.sh"

app="$work/app"
mkdir -p "$app" "$work/vol"
cp "$bin/keldra" "$bin/keldra-report" "$app/"
printf '[drives]\nC=/\nD=%s\n' "$work/vol" >"$app/drives.ini"
printf '[keldra]\ndrive_being_monitored_letters=C\n' >"$app/keldra.ini"
echo "dropped" >"$work/vol/file.txt"

start_keldra
size="$(expect_soon client_size 189x29)" || fail "client area is '$size', expected 189x29 for one row"
"$drag_source" "$work/vol/file.txt" >"$work/drag.out" 2>"$work/drag.log" &
drag_pid=$!
pids+=("$drag_pid")
source_win="$(wait_for_window '^Keldra drag source$')"
[ -n "$source_win" ] || fail "the drag source did not appear: $(cat "$work/drag.log")"
wait_until 30 test -n "$(xwininfo -id "$source_win" | awk '/Map State: IsViewable/')" || fail "the drag source was never mapped"

activate "$source_win" || fail "the drag source could not be activated"
drag_between "$source_win" "$win"
wait_until 60 test -s "$work/drag.out" || fail "the drag did not end: $(cat "$work/drag.log")"
action="$(cat "$work/drag.out")"
[ "$action" = copy ] || fail "the drop ended as '$action', not as a copy"
size="$(expect_soon client_size 189x49)" || fail "after the drop the client area is '$size', expected 189x49 for C: and D:"
import -window root "$shots/keldra-smoke-dropped.png"
[ -f "$work/vol/file.txt" ] || fail "the dropped file is gone"
echo "PASSED: a real drop was taken as a copy and added its drive"
