# Sourced by the scripts that run Windows programs under Wine.
# Debian's `wine` starts its 32-bit loader whenever wine32 is installed, and a kernel
# that does not run 32-bit programs (some virtual machines' kernels) refuses it with
# "Exec format error": then 64-bit programs fail too, though wine64 could run them.

wine32_loader=/usr/lib/wine/wine
wine64_loader=/usr/lib/wine/wine64

# Whether this machine can start the 32-bit Wine loader.
keldra_wine32_runs() {
  [ -x "$wine32_loader" ] && "$wine32_loader" --version >/dev/null 2>&1
}

# keldra_wine64_when_wine32_cannot_run DIR: where the 32-bit loader is installed but
# cannot start, puts `wine` and `wine-stable` (which wineboot and the other tools
# call) in DIR, both starting the 64-bit loader, and DIR first on PATH.
keldra_wine64_when_wine32_cannot_run() {
  [ -x "$wine32_loader" ] && [ -x "$wine64_loader" ] || return 0
  keldra_wine32_runs && return 0
  mkdir -p "$1"
  local name
  for name in wine wine-stable; do
    printf '#!/bin/sh\nWINELOADER=%s exec %s "$@"\n' "$wine64_loader" "$wine64_loader" >"$1/$name"
    chmod +x "$1/$name"
  done
  export PATH="$1:$PATH"
}
