#!/usr/bin/env bash
# Makes the Debian package of the build given as the argument, unpacks it and
# checks that it holds the executable, desktop entry, icon and metainfo, that
# its dependencies were computed, and that the program runs far enough to say
# that there is no display.
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cpack --config "$build/CPackConfig.cmake" -B "$work/out" > /dev/null
deb=$(ls "$work"/out/zonivo-client_*.deb)
dpkg-deb -x "$deb" "$work/root"
for file in usr/bin/zonivo-client usr/share/applications/com.zonivo.Client.desktop \
    usr/share/icons/hicolor/scalable/apps/com.zonivo.Client.svg \
    usr/share/metainfo/com.zonivo.Client.metainfo.xml; do
  test -f "$work/root/$file" || { echo "missing from the package: $file" >&2; exit 1; }
done
dpkg-deb -f "$deb" Depends | grep -q libcurl || { echo "no computed dependencies" >&2; exit 1; }
if output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$work/root/usr/bin/zonivo-client" 2>&1); then
  echo "the program ran without a display" >&2
  exit 1
fi
echo "$output" | grep -q "no display" || { echo "unexpected output: $output" >&2; exit 1; }
echo "package complete"
