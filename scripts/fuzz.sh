#!/usr/bin/env bash
# Builds the INI parser's libFuzzer target with clang and runs it for N seconds (default 60).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build-fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DTRELLIS_FUZZ=ON -DTRELLIS_TESTS=OFF -DTRELLIS_BENCHMARKS=OFF >/dev/null
cmake --build "$root/build-fuzz" --target trellis_ini_fuzzer
mkdir -p "$root/build-fuzz/corpus"
cp -n "$root"/tests/fuzz/corpus/* "$root/build-fuzz/corpus/" 2>/dev/null || true
"$root/build-fuzz/bin/trellis_ini_fuzzer" -max_total_time="$seconds" -max_len=4096 \
  -print_final_stats=1 "$root/build-fuzz/corpus"
