#!/usr/bin/env bash
# Builds the Debian package from the release build and compares its files (mode, owner, path)
# with packaging/files.txt, without installing it.
set -euo pipefail
cd "$(dirname "$0")/.."
rm -f build/*.deb
scripts/build.sh --target package >/dev/null
debs=(build/*.deb)
[ ${#debs[@]} -eq 1 ] || { echo "Expected one .deb in build/, found: ${debs[*]}" >&2; exit 1; }
if ! diff -u packaging/files.txt <(dpkg-deb -c "${debs[0]}" | awk '{print $1, $2, $6}'); then
  echo "The files of ${debs[0]} differ from packaging/files.txt." >&2
  exit 1
fi
echo "${debs[0]}: the file list matches."
