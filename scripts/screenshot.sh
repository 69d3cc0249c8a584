#!/usr/bin/env bash
# Takes docs/main-window.png: the main window after a sign-in against the
# stand-in service, shown by a real X server (Xvfb) with a Chinese font.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" xvfb xauth fonts-wqy-microhei
cmake -S . -B build-shot -G Ninja -DCMAKE_BUILD_TYPE=Release -DZONIVO_TESTS=ON
cmake --build build-shot --target main_window_screenshot
mkdir -p docs
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 800x600x24" \
  build-shot/tests/main_window_screenshot docs/main-window.png
echo "Saved docs/main-window.png"
