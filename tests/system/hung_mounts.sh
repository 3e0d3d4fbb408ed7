# hung_fs volumes for the smoke tests, sourced after session_basics.sh with
# $hung_fs set to the helper. Every mount listed in `mounts` is undone however the
# test ends, by undo_hung_mounts: the FUSE daemons are killed first, which releases
# whatever waits on them, then the mounts are taken away.
mounts=()
daemons=()
undo_hung_mounts() {
  for d in "${daemons[@]}"; do kill -9 "$d" 2>/dev/null; done
  # A point with mounts stacked on it takes one unmount each.
  for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
    for _ in 1 2 3; do umount -l "${mounts[i]}" 2>/dev/null || break; done
  done
}
mounted() { grep -q " $1 " /proc/self/mountinfo; }
# mount_hung <mount point> <mode>: a hung_fs volume, once it is in the mount table.
mount_hung() {
  mkdir -p "$1"
  "$hung_fs" "$1" "$2" >/dev/null 2>&1 &
  daemons+=($!)
  mounts+=("$1")
  wait_until 60 mounted "$1" || fail "hung_fs did not mount at $1"
}
