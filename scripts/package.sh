#!/usr/bin/env bash
# Builds the Debian packages stridewell and stridewell-contentserver in
# build-package/packages/. Their library dependencies are read from the binaries.
# They are compiled and linked with Debian's hardening flags (dpkg-buildflags,
# cmake/Hardening.cmake), required here rather than left to the default.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DSTRIDEWELL_BUILD_TESTS=OFF -DSTRIDEWELL_BUILD_BENCH=OFF -DSTRIDEWELL_HARDENING=ON "$@"
cmake --build build-package -j"$(nproc)"
(cd build-package && cpack -G DEB)
ls -1 build-package/packages/*.deb
