#!/usr/bin/env bash
# Installs the build given as the argument into a scratch folder and checks
# the tree: the executable, a valid desktop entry, the icon and valid AppStream
# metainfo.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" > /dev/null
test -x "$prefix/bin/zonivo-client"
test -f "$prefix/share/icons/hicolor/scalable/apps/com.zonivo.Client.svg"
desktop-file-validate "$prefix/share/applications/com.zonivo.Client.desktop"
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/com.zonivo.Client.metainfo.xml"
grep -q '^Icon=com.zonivo.Client$' "$prefix/share/applications/com.zonivo.Client.desktop"
echo "installed tree is complete and valid"
