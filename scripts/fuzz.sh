#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz/ and runs each for N seconds
# (default 60): the INI parser, column descriptions with the grid's operations, the table file
# reader and writer, the DXF reader and writer, and the automation layer's wire values. A
# finding stops the script with the input that caused it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build-fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DTRELLIS_FUZZ=ON -DTRELLIS_TESTS=OFF -DTRELLIS_BENCHMARKS=OFF >/dev/null
targets=(ini columns tables dxf wire)
executables=()
for target in "${targets[@]}"; do executables+=("trellis_${target}_fuzzer"); done
cmake --build "$root/build-fuzz" --parallel "$(nproc)" --target "${executables[@]}"
for target in "${targets[@]}"; do
  corpus="$root/build-fuzz/corpus/$target"
  mkdir -p "$corpus"
  cp -n "$root/tests/fuzz/corpus/$target"/* "$corpus/" 2>/dev/null || true
  echo "== trellis_${target}_fuzzer for ${seconds} s"
  QT_QPA_PLATFORM=offscreen "$root/build-fuzz/bin/trellis_${target}_fuzzer" -max_total_time="$seconds" \
    -max_len=4096 -print_final_stats=1 -artifact_prefix="$root/build-fuzz/" "$corpus"
done
