#!/usr/bin/env bash
# Builds the client and its tests (Debug, AddressSanitizer and
# UndefinedBehaviorSanitizer), warnings as errors, checks the format, runs
# every test on Qt's offscreen platform and each fuzz target for a few seconds.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
# The committed style: every source file as clang-format writes it.
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZONIVO_SANITIZE=ON -DZONIVO_TESTS=ON -DZONIVO_WERROR=ON
cmake --build build-test
(cd build-test && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel 2 --timeout 300)
# A few seconds of each fuzz target, as a smoke test.
bash scripts/fuzz.sh 3
