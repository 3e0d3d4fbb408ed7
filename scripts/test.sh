#!/usr/bin/env bash
# Installs what is missing, builds Keldra and runs every test.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${KELDRA_BUILD_DIR:-$here/build}"
bash "$here/scripts/install-deps.sh"
bash "$here/scripts/build.sh"
cd "$build"
ctest --output-on-failure --timeout 600 -j "$(nproc)"
