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

# Debian package names.
packages=(
  cmake ninja-build g++ googletest
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine wine64
  xvfb xdotool openbox imagemagick x11-utils
  xserver-xorg-core xserver-xorg-video-dummy x11-xserver-utils xpenguins
  pulseaudio pulseaudio-utils
  libcairo2-dev libimagequant-dev pkg-config
  fonts-dejavu-core fonts-comic-neue
  procps file
  nsis zip
)
# The 32-bit loader runs the shipped 32-bit build. A machine that runs 64-bit user code only cannot use it
# (the scripts then build and run the 64-bit program), and there its i386 dependencies may not even be
# installable, so it is tried on its own and its failure only warned about.
wine32=wine32:i386

installed() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'
}

missing=()
for p in "${packages[@]}"; do
  installed "$p" || missing+=("$p")
done
installed "$wine32" && want_wine32=0 || want_wine32=1
# Once it has failed on this machine, it is not tried again at every run.
no_wine32_mark=/var/tmp/fleeba-setup-no-wine32
[ -f "$no_wine32_mark" ] && want_wine32=0

if [ ${#missing[@]} -eq 0 ]; then
  [ $want_wine32 -eq 0 ] && exit 0
  # Only the optional loader is missing: without root, go on without it.
  if [ "$(id -u)" -ne 0 ]; then
    echo "setup.sh: $wine32 is not installed (installing it needs root); the 64-bit build will be tested" >&2
    exit 0
  fi
fi

need_root "${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
# A mirror caught mid-sync can fail one index file while the rest are fresh; try again, then go on with
# what was fetched and let the install itself say whether a package cannot be had.
for try in 1 2 3; do
  if apt-get update -qq; then
    break
  fi
  echo "setup.sh: apt-get update failed (try $try of 3)" >&2
  [ $try -lt 3 ] && sleep $((try * 3))
done
if [ ${#missing[@]} -gt 0 ]; then
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  echo "setup.sh: installed ${missing[*]}"
fi
if [ $want_wine32 -eq 1 ]; then
  if apt-get install -y -qq --no-install-recommends "$wine32" >/dev/null; then
    echo "setup.sh: installed $wine32"
  else
    echo "setup.sh: $wine32 could not be installed; the 64-bit build will be tested instead" \
      "(delete $no_wine32_mark to try again)" >&2
    touch "$no_wine32_mark"
  fi
fi
