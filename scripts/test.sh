#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
# Installed to /usr, as the Debian packages are, so the packages test can make
# them from this build.
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSTRIDEWELL_WERROR="$werror" \
  -DCMAKE_INSTALL_PREFIX=/usr
cmake --build build-test -j"$(nproc)"
ctest --test-dir build-test --output-on-failure -j"$(nproc)"
