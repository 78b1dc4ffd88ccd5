#!/usr/bin/env bash
# Builds Trellis and its tests with clang under AddressSanitizer and UndefinedBehaviorSanitizer
# into build-asan/ and runs every test there. Leaks are reported too; the few that belong to
# the system's own libraries are listed in tests/sanitizers/lsan.supp.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
# -O1 with line tables: the sanitizers' own advice, quick to build, and reports name the lines.
cmake -S "$root" -B "$root/build-asan" -G Ninja -DCMAKE_BUILD_TYPE= \
  -DCMAKE_CXX_FLAGS="-O1 -gline-tables-only" -DCMAKE_CXX_COMPILER=clang++ \
  -DTRELLIS_SANITIZE=ON -DTRELLIS_WERROR=ON -DTRELLIS_BENCHMARKS=OFF >/dev/null
cmake --build "$root/build-asan" --parallel "$(nproc)"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$root/tests/sanitizers/lsan.supp:print_suppressions=0"
cd "$root/build-asan"
ctest --output-on-failure --parallel "$(nproc)" "$@"
