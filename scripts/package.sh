#!/usr/bin/env bash
# Builds, from a clean tree, what a user installs: keldra_<version>_amd64.deb (with
# CPack, its dependencies found by dpkg-shlibdeps) and one zip per Windows
# architecture (keldra-<version>-win32.zip, -win64.zip), all into one folder.
#   package.sh [--deb-only] [output folder]   (default: dist-out/ in the project folder)
# The Windows zips need the mingw-w64 cross compilers (install-deps.sh --windows);
# without them only the .deb is made, and the script says so.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
deb_only=0
if [ "${1:-}" = --deb-only ]; then
  deb_only=1
  shift
fi
out="$(mkdir -p "${1:-$root/dist-out}" && cd "${1:-$root/dist-out}" && pwd)"
work="${KELDRA_PACKAGE_BUILD:-$root/build-package}"
rm -rf "$work"
mkdir -p "$work"

# Debian's own hardening (all of it) and optimisation flags for a package build.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
export CFLAGS="$(dpkg-buildflags --get CFLAGS)" CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS)"
export LDFLAGS="$(dpkg-buildflags --get LDFLAGS)" CPPFLAGS="$(dpkg-buildflags --get CPPFLAGS)"
CXXFLAGS="$CXXFLAGS $CPPFLAGS"
CFLAGS="$CFLAGS $CPPFLAGS"
cmake -S "$root" -B "$work/deb" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DKELDRA_PACKAGE_LAYOUT=ON -DKELDRA_BUILD_TESTS=OFF -DKELDRA_BUILD_BENCH=OFF >/dev/null
cmake --build "$work/deb"
(cd "$work/deb" && cpack -G DEB -B "$out" >/dev/null)
rm -rf "$out/_CPack_Packages"
unset CFLAGS CXXFLAGS LDFLAGS CPPFLAGS
version="$(sed -n 's/^set(KELDRA_VERSION \(.*\))$/\1/p' "$root/CMakeLists.txt")"
echo "made $out/keldra_${version}_amd64.deb"
[ "$deb_only" = 1 ] && exit 0

# The Windows programs: stripped, beside the read-me and the catalogue, nothing else.
for arch in i686:win32 x86_64:win64; do
  triplet="${arch%%:*}-w64-mingw32"
  name="keldra-$version-${arch##*:}"
  if ! command -v "$triplet-g++-posix" >/dev/null && ! command -v "$triplet-g++" >/dev/null; then
    echo "SKIPPED: $name.zip: the $triplet cross compiler is not installed (install-deps.sh --windows)"
    continue
  fi
  cmake -S "$root" -B "$work/$name" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-${arch%%:*}.cmake" \
    -DKELDRA_BUILD_TESTS=OFF -DKELDRA_BUILD_BENCH=OFF >/dev/null
  cmake --build "$work/$name" --target keldra keldra-report
  bash "$root/scripts/windows-zip.sh" "$work/$name/bin" "$triplet" "$out/$name.zip"
  echo "made $out/$name.zip"
done
