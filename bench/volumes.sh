# Sourced by the bench scripts: 26 small tmpfs volumes under $1/vol, pinned to A..Z in
# $1/app/drives.ini, all monitored with the total in $1/app/keldra.ini; their folders
# in the array dirs. Unmount them with undo_volumes $1.
# As root, the calling script starts again in a mount namespace of its own, so that
# nothing else on the machine meets its volumes (elsewhere they are plain folders).
#   in_own_mount_namespace "$0" "$@"    before the script does anything else
in_own_mount_namespace() {
  if [ "$(id -u)" = 0 ] && [ -z "${KELDRA_BENCH_NAMESPACE:-}" ] && command -v unshare >/dev/null; then
    exec env KELDRA_BENCH_NAMESPACE=1 unshare -m --propagation private bash "$@"
  fi
}

make_volumes() {
  local work="$1" letters="" l
  mkdir -p "$work/app" "$work/vol"
  printf '[drives]\n' >"$work/app/drives.ini"
  dirs=()
  for l in A B C D E F G H I J K L M N O P Q R S T U V W X Y Z; do
    mkdir -p "$work/vol/$l"
    mount -t tmpfs -o size=1m keldra-bench "$work/vol/$l" 2>/dev/null || true
    printf '%s=%s\n' "$l" "$work/vol/$l" >>"$work/app/drives.ini"
    letters="$letters$l"
    dirs+=("$work/vol/$l")
  done
  printf '[keldra]\ndrive_being_monitored_letters=%s\nShow_Total_of_All_Drives_CheckBox=1\n' \
    "$letters" >"$work/app/keldra.ini"
}

undo_volumes() {
  local d
  for d in "$1"/vol/*; do umount -l "$d" 2>/dev/null || true; done
}
