#!/usr/bin/env bash
# Builds and starts the sandbox of the service (a demo account with a few
# domains and records over HTTPS on a loopback port) and the demo build of the
# client aimed at it. Prints the account to sign in with; the sandbox stops
# when the client closes.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" libcpp-httplib-dev libssl-dev
cmake -S . -B build-demo -G Ninja -DCMAKE_BUILD_TYPE=Release -DZONIVO_DEMO=ON > /dev/null
cmake --build build-demo --target zonivo-sandbox zonivo-demo

work=$(mktemp -d)
mkfifo "$work/keep"
# The sandbox serves until its standard input closes: fd 3 holds it open.
build-demo/sandbox/zonivo-sandbox < "$work/keep" > "$work/info" &
sandbox=$!
exec 3> "$work/keep"
trap 'exec 3>&-; wait "$sandbox" 2>/dev/null || true; rm -rf "$work"' EXIT
until grep -q '^password ' "$work/info" 2>/dev/null; do
  kill -0 "$sandbox" 2>/dev/null || { echo "the sandbox did not start" >&2; exit 1; }
  sleep 0.1
done
base=$(sed -n 's/^base //p' "$work/info")
certificate=$(sed -n 's/^certificate //p' "$work/info")
echo "Sandbox at $base"
echo "Sign in with account $(sed -n 's/^account //p' "$work/info")" \
     "and password $(sed -n 's/^password //p' "$work/info")"
build-demo/app/zonivo-demo "$base" "$certificate"
