#!/usr/bin/env bash
# Installs what building, running and testing need on Debian 12 or Ubuntu.
# Checks first and installs only what is missing, so a second run is quick.
set -euo pipefail

need_root() {
  if [ "$(id -u)" -ne 0 ]; then
    echo "setup.sh: packages are missing and installing them needs root: $*" >&2
    exit 1
  fi
}

# Debian package names, with the i386 ones marked as such.
packages=(
  cmake ninja-build g++ googletest
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine wine32:i386 wine64
  xvfb xdotool openbox imagemagick x11-utils
  libcairo2-dev libimagequant-dev pkg-config
  fonts-dejavu-core fonts-comic-neue
  procps file
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

need_root "${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
echo "setup.sh: installed ${missing[*]}"
