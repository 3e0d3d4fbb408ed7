#!/usr/bin/env bash
# The Debian package as a user gets it: built from the tree by scripts/package.sh,
# its files where Debian puts them, its desktop entry and metadata valid, lintian
# without errors; unpacked, its keldra-report keeps drives.ini in the user's
# configuration folder and writes nothing beside the executable.
#   package_test.sh <project folder>
set -u
root="$1"
source "$(dirname "${BASH_SOURCE[0]}")/session_basics.sh"
require_tools dpkg-deb dpkg-shlibdeps cpack desktop-file-validate appstreamcli lintian

KELDRA_PACKAGE_BUILD="$work/build" bash "$root/scripts/package.sh" --deb-only "$work/out" \
  >"$work/build.log" 2>&1 || fail "package.sh failed: $(tail -n 20 "$work/build.log")"
version="$(sed -n 's/^set(KELDRA_VERSION \(.*\))$/\1/p' "$root/CMakeLists.txt")"
deb="$work/out/keldra_${version}_amd64.deb"
[ -f "$deb" ] || fail "no $deb: $(ls "$work/out")"

# Every file, and nothing else.
id=org.example.keldra
expected="/usr/bin/keldra
/usr/bin/keldra-report
/usr/lib/systemd/user/keldra-notify.service
/usr/share/applications/$id.desktop
/usr/share/doc/keldra/changelog.gz
/usr/share/doc/keldra/copyright
$(for s in 16 24 32 48 64 128 256; do echo "/usr/share/icons/hicolor/${s}x$s/apps/$id.png"; done)
/usr/share/keldra/catalog.txt
/usr/share/keldra/keldra.txt
/usr/share/man/man1/keldra-report.1.gz
/usr/share/man/man1/keldra.1.gz
/usr/share/metainfo/$id.metainfo.xml"
files="$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {sub(/^\./, "", $6); print $6}' | sort)"
[ "$files" = "$(sort <<<"$expected")" ] ||
  fail "the package's files differ from the layout: $(diff <(sort <<<"$expected") <(echo "$files"))"
depends="$(dpkg-deb -f "$deb" Depends)"
grep -q libqt6widgets6 <<<"$depends" || fail "dependencies not found by dpkg-shlibdeps: $depends"
grep -q 'libglib2.0-0' <<<"$depends" || fail "the notices' GLib is not a dependency: $depends"
unpacked="$work/root"
dpkg-deb -x "$deb" "$unpacked"
size_of() { identify -format '%wx%h' "$1" 2>/dev/null; }
if command -v identify >/dev/null; then
  for s in 16 24 32 48 64 128 256; do
    got="$(size_of "$unpacked/usr/share/icons/hicolor/${s}x$s/apps/$id.png")"
    [ "$got" = "${s}x$s" ] || fail "the ${s}-pixel icon is $got"
  done
fi
desktop_says="$(desktop-file-validate "$unpacked/usr/share/applications/$id.desktop" 2>&1)"
[ -z "$desktop_says" ] || fail "desktop-file-validate: $desktop_says"
appstream_says="$(appstreamcli validate --no-net --pedantic "$unpacked/usr/share/metainfo/$id.metainfo.xml" 2>&1)" ||
  fail "appstreamcli validate: $appstream_says"
! grep -qE '^(W|E):' <<<"$appstream_says" || fail "appstreamcli validate: $appstream_says"
lintian_says="$(lintian -I "$deb" 2>&1)"
! grep -q '^E:' <<<"$lintian_says" || fail "lintian found errors: $lintian_says"
echo "lintian: $(grep -cE '^W:' <<<"$lintian_says") warnings, $(grep -cE '^I:' <<<"$lintian_says") notes"
grep -E '^[WI]:' <<<"$lintian_says"

# The settings go to the user's configuration folder, made at the first write.
home="$work/home"
mkdir -p "$home"
env -u XDG_CONFIG_HOME HOME="$home" "$unpacked/usr/bin/keldra-report" >"$work/report.txt" 2>&1 ||
  fail "the unpacked keldra-report failed: $(cat "$work/report.txt")"
grep -q '^C=/' "$home/.config/keldra/drives.ini" 2>/dev/null ||
  fail "drives.ini is not in the home's .config/keldra: $(find "$home" | tr '\n' ' ')"
[ "$(stat -c %a "$home/.config/keldra")" = 700 ] ||
  fail "the settings folder is open to others: $(stat -c %a "$home/.config/keldra")"
beside="$(ls "$unpacked/usr/bin" | tr '\n' ' ')"
[ "$beside" = "keldra keldra-report " ] || fail "something was written beside the programs: $beside"
# XDG_CONFIG_HOME, where set, is the configuration folder.
env XDG_CONFIG_HOME="$work/config" HOME="$home" "$unpacked/usr/bin/keldra-report" >/dev/null 2>&1
[ -f "$work/config/keldra/drives.ini" ] || fail "XDG_CONFIG_HOME was not followed"
echo "PASSED: the package's layout, its metadata and its settings folder"
