#!/usr/bin/env bash
# Builds the tests with AddressSanitizer and UndefinedBehaviorSanitizer and
# runs them. Benchmarks and packages are left out: they test nothing here.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DSTRIDEWELL_SANITIZE=ON \
  -DSTRIDEWELL_BUILD_BENCH=OFF -DSTRIDEWELL_WERROR="$werror"
cmake --build build-sanitize -j"$(nproc)"
# Every finding ends the test that made it; a leak is a finding too.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:${ASAN_OPTIONS:-}"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:${UBSAN_OPTIONS:-}"
ctest --test-dir build-sanitize --output-on-failure -j"$(nproc)"
