#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer, UBSan) and runs
# each over its committed seed corpus for a bounded time (default 20 s each). New
# inputs go to a temporary corpus; the committed seeds are only read.
#   scripts/fuzz.sh [seconds per target]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${KELDRA_FUZZ_BUILD_DIR:-$here/build-fuzz}"
seconds="${1:-20}"
flags="-fsanitize=address,undefined,fuzzer-no-link -fno-sanitize-recover=all -fno-omit-frame-pointer"
if [ ! -f "$build/CMakeCache.txt" ]; then
  CC=clang CXX=clang++ cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKELDRA_FUZZ=ON -DKELDRA_BUILD_TESTS=OFF -DKELDRA_BUILD_BENCH=OFF -DKELDRA_BUILD_UI=OFF \
    -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_C_FLAGS="$flags" >/dev/null
fi
targets=(ini_text load_settings mountinfo drives_ini desktop_entry size_text)
cmake --build "$build" --parallel "$(nproc)" --target "${targets[@]/#/fuzz_}"
status=0
for t in "${targets[@]}"; do
  corpus="$(mktemp -d)"
  artifacts="$build/fuzz-artifacts/$t/"
  mkdir -p "$artifacts"
  echo "== fuzz_$t for ${seconds}s"
  if ! "$build/bin/fuzz_$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -artifact_prefix="$artifacts" -print_final_stats=1 \
      "$corpus" "$here/fuzz/corpus/$t" >"$build/fuzz_$t.log" 2>&1; then
    echo "fuzz_$t FAILED; the input is in $artifacts:"
    tail -n 40 "$build/fuzz_$t.log"
    status=1
  else
    grep -E "stat::number_of_executed_units|cov:" "$build/fuzz_$t.log" | tail -n 2
  fi
  rm -rf "$corpus"
done
exit "$status"
