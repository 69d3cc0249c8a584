#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each for the given number of seconds
# (60 unless told), starting from its seed corpus in fuzz/corpus. Stops with
# the fuzzer's report at the first fault.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" clang libclang-rt-14-dev
seconds=${1:-60}
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DZONIVO_FUZZ=ON > /dev/null
cmake --build build-fuzz --target zonivo_fuzzers
for target in decode text_search matcher domain_scan record_list request_form; do
  found=$(mktemp -d)
  log=$(mktemp)
  if ! build-fuzz/fuzz/fuzz_$target -max_total_time="$seconds" -max_len=4096 \
      "$found" "fuzz/corpus/$target" > "$log" 2>&1; then
    cat "$log"
    echo "fuzz_$target found a fault" >&2
    exit 1
  fi
  echo "fuzz_$target: $(grep -E '^#[0-9]+' "$log" | tail -1)"
  rm -rf "$found" "$log"
done
