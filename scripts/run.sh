#!/usr/bin/env bash
# Installs what is missing, builds Keldra and starts it.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${KELDRA_BUILD_DIR:-$here/build}"
bash "$here/scripts/install-deps.sh"
bash "$here/scripts/build.sh"
exec "$build/bin/keldra" "$@"
