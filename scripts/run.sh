#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DSTRIDEWELL_BUILD_TESTS=OFF -DSTRIDEWELL_BUILD_BENCH=OFF
cmake --build build --target stridewell -j"$(nproc)"
exec build/bin/stridewell "$@"
