#!/usr/bin/env bash
# Installs, from Debian's packages, whatever Keldra needs to build, run and test
# that this machine does not have yet. Safe to run again: it asks apt only for
# what is missing.
#
# usage: install-deps.sh [--windows] [--packaging] [--report FILE]
#   --windows     also the cross compilers for Windows and Wine to run their tests
#                 (32-bit Wine needs the i386 architecture added to dpkg)
#   --packaging   also what the package's test checks it with (lintian and the like)
#   --report FILE appends a line "group<TAB>reason" to FILE for each optional group
#                 that could not be installed, for the test run to name what it skips
#
# A package mirror has bad days: an index that fails to download is reported and the
# install goes on with what can be had. Packages go in groups, so that one that cannot
# be installed keeps out only its own group. What the build and the Linux suite need
# must install, or this fails naming the packages and apt's reason; the Windows groups
# are optional and only recorded.
set -uo pipefail
windows=0
packaging=0
report=""
while [ $# -gt 0 ]; do
  case "$1" in
    --windows) windows=1 ;;
    --packaging) packaging=1 ;;
    --report) report="$2"; shift ;;
    *) echo "install-deps.sh: unknown argument $1" >&2; exit 2 ;;
  esac
  shift
done

core=(
  # build, and the formatter the test command holds the code to
  build-essential cmake ninja-build pkg-config clang-format
  # tests and benchmarks
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  # the window (the private headers: telling the toolkit where to look for plugins)
  qt6-base-dev qt6-base-private-dev libgl-dev libxcb1-dev fonts-liberation
  # the package's build (dpkg-shlibdeps, dpkg-buildflags)
  dpkg-dev
  # fuzzing and sanitizers
  clang libclang-rt-14-dev
  # the real-display smoke test: an X server, a small window manager, X tools, and a
  # tracer to see which files the window looks up
  xvfb openbox x11-utils xdotool wmctrl imagemagick strace
  # a Wayland session with XWayland, headless, for the display platform's test
  weston xwayland qt6-wayland
  # a real desktop launcher for the autostart entries' test
  libglib2.0-bin
  # the low-space notices' D-Bus client (GLib's headers; its library is loaded at run
  # time), and a private session bus with a notification server of the tests' own
  libglib2.0-dev dbus-daemon python3-dbus python3-gi
  # a FUSE volume that never answers, and a mount namespace of its own to hold it
  fuse3 libfuse3-dev util-linux
  # the locale sources, to build a locale that writes a comma for the separator's test
  locales
)
# Optional groups: key, what it is, packages. Without one, only the tests that need
# it skip, each saying so.
groups=()
if [ "$packaging" = 1 ]; then
  groups+=("packaging|the package checkers and zip|lintian desktop-file-utils appstream zip unzip")
fi
if [ "$windows" = 1 ]; then
  groups+=(
    "windows-cross|the Windows cross compilers|g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix"
    "wine64|64-bit Wine|wine wine64"
    "wine32|32-bit Wine|wine32:i386"
  )
fi

missing_of() {
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
      printf '%s\n' "$p"
  done
}

# apt's own words for a failure, on one line: its errors and the unmet dependencies.
apt_reason() {
  grep -E '^(E:|W:| [^ ].* : Depends:|  +Depends:)' "$1" | grep -v '^W: .*Mirror sync' |
    sed -e 's/^ *//' | head -n 4 | paste -sd ';' | sed -e 's/;/; /g'
}

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
log="$(mktemp)"
trap 'rm -f "$log"' EXIT

mapfile -t core_missing < <(missing_of "${core[@]}")
anything_missing=${#core_missing[@]}
for g in "${groups[@]}"; do
  IFS='|' read -r _ _ pkgs <<<"$g"
  # shellcheck disable=SC2086
  [ -n "$(missing_of $pkgs)" ] && anything_missing=1
done
[ "$anything_missing" = 0 ] && exit 0

if [ "$windows" = 1 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo_cmd[@]}" dpkg --add-architecture i386
fi
# An index that failed to download is named in each group's reason: it is the likely
# cause of an install that then cannot resolve (say, i386 libraries a release behind).
failed_indexes=""
if ! "${sudo_cmd[@]}" apt-get update -qq >"$log" 2>&1; then
  echo "install-deps: apt-get update reported errors; going on with the indexes it has:"
  grep -E '^(E|W):' "$log" | sed -e 's/^/  /'
  failed_indexes="$(grep -oE '^E: Failed to fetch [^ ]+' "$log" | sed -e 's/^E: Failed to fetch //' |
    paste -sd ' ')"
fi

install_group() { # packages... ; apt's output in $log
  echo "Installing: $*"
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "$@" >"$log" 2>&1
}

if [ ${#core_missing[@]} -gt 0 ] && ! install_group "${core_missing[@]}"; then
  cat "$log" >&2
  echo "install-deps: what the build and the Linux tests need could not be installed:" \
    "${core_missing[*]}: $(apt_reason "$log")" >&2
  exit 1
fi

for g in "${groups[@]}"; do
  IFS='|' read -r key what pkgs <<<"$g"
  # shellcheck disable=SC2086
  mapfile -t gm < <(missing_of $pkgs)
  [ ${#gm[@]} -eq 0 ] && continue
  if ! install_group "${gm[@]}"; then
    reason="$(apt_reason "$log")"
    [ -n "$failed_indexes" ] && reason="$reason; the index that failed to download: $failed_indexes"
    echo "install-deps: $what could not be installed (${gm[*]}): $reason"
    [ -n "$report" ] && printf '%s\t%s could not be installed (%s)\n' "$key" "$what" \
      "$reason" >>"$report"
  fi
done
exit 0
