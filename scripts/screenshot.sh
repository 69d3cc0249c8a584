#!/usr/bin/env bash
# Takes the pictures in docs/: the main window after a sign-in against the
# stand-in service, the records of one domain and both record editors, shown by
# a real X server (Xvfb) with a window manager and a Chinese font.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}" xvfb xauth openbox fonts-wqy-microhei
cmake -S . -B build-shot -G Ninja -DCMAKE_BUILD_TYPE=Release -DZONIVO_TESTS=ON
cmake --build build-shot --target main_window_screenshot
mkdir -p docs
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1024x768x24" bash -c \
  'openbox & sleep 1; build-shot/tests/main_window_screenshot docs'
echo "Saved the pictures of the four windows in docs/"
