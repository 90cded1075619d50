#!/usr/bin/env bash
# Installs the Debian packages the builds and tests need; does nothing when they are all there.
set -euo pipefail

packages=(cmake g++ make googletest libgtest-dev libbenchmark-dev g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine64 wine32:i386
          xvfb xauth xdotool imagemagick fonts-wine fonts-liberation
          cups printer-driver-cups-pdf poppler-utils libcups2 libcups2:i386 clang libclang-rt-14-dev
          python3)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
