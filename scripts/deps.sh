#!/usr/bin/env bash
# Installs the Debian packages that building, packaging and running the program need, only those
# missing.
# With --tests also those of the tests and the package check (./test, CI).
set -euo pipefail

packages=(
  build-essential cmake
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libgl-dev
  fonts-liberation fonts-dejavu-core
  file
)
if [ "${1:-}" = "--tests" ]; then
  packages+=(
    opensp w3c-sgml-lib
    poppler-utils xvfb xauth openbox x11-utils qt6-qpa-plugins
    python3
    chromium
  )
  # The Nu HTML checker for the published pages, when npm and Java are there (its own Java
  # download is skipped).
  if command -v npm >/dev/null && command -v java >/dev/null &&
     [ ! -e "$(npm root -g)/vnu-jar/build/dist/vnu.jar" ]; then
    npm install -g --ignore-scripts --no-audit --no-fund vnu-jar@26.10.12
  fi
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
