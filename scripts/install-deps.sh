#!/usr/bin/env bash
# Installs the Debian packages that building and testing Festorin needs.
# Idempotent, and silent when everything is already there.
set -euo pipefail

packages=(cmake g++ googletest libbenchmark-dev clang-format
          clang libclang-rt-14-dev python3
          g++-mingw-w64-i686 mingw-w64-tools
          wine wine32:i386 fonts-wine xvfb imagemagick xauth x11-utils nsis)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo dpkg --add-architecture i386
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
