#!/usr/bin/env bash
# Builds the fuzz targets with clang into build-fuzz/ and runs each for a bounded time, from the
# committed seeds. New inputs go to build-fuzz/, crashes to build-fuzz/artifacts/.
#   TESSELKA_FUZZ_SECONDS  time per target (default 30)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${TESSELKA_FUZZ_SECONDS:-30}"

cmake --preset fuzz >/dev/null
cmake --build build-fuzz -j2 --target input_check_fuzz

mkdir -p build-fuzz/corpus build-fuzz/artifacts
build-fuzz/input_check_fuzz -max_total_time="$seconds" -runs=100000000 -max_len=4096 \
  -dict=fuzz/numbers.dict -artifact_prefix=build-fuzz/artifacts/ -print_final_stats=1 \
  build-fuzz/corpus fuzz/corpus 2>&1 | sed -E '/^#[0-9]+.*(NEW|REDUCE|pulse)/d'
