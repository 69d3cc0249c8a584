#!/usr/bin/env bash
# Builds a Release build and the Debian package of the client with CPack.
# Install the package with: sudo apt install ./build-package/zonivo-client_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" dpkg-dev file
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build-package
(cd build-package && cpack)
ls build-package/zonivo-client_*.deb
