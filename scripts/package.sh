#!/usr/bin/env bash
# Makes the installer and the portable zip of a built program; the build runs it (target "packages").
#
#   scripts/package.sh PROGRAM ICON VERSION TARGET INSTALLER ZIP
#
# TARGET is makensis's: x86-unicode for the 32-bit program, amd64-unicode for the 64-bit one. Every time
# written into the two files (the files' times in the zip and those the installer gives the files it
# writes) is SOURCE_DATE_EPOCH, by default the time of the commit checked out, so that one commit always
# gives the same bytes.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
# makensis reads from the script's folder and zip from the staging folder: the paths are made absolute.
program=$(realpath "$1")
icon=$(realpath "$2")
version=$3
target=$4
installer=$(realpath -m "$5")
zip=$(realpath -m "$6")

if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  SOURCE_DATE_EPOCH=$(git -C "$root" log -1 --format=%ct 2>/dev/null || echo 0)
fi

# What goes to Windows users: the program, and two texts with Windows line ends.
stage=$(dirname "$installer")/stage
rm -rf "$stage"
mkdir -p "$stage"
cp "$program" "$stage/fleeba.exe"
sed -e 's/\r$//' -e 's/$/\r/' "$root/LICENSE" >"$stage/LICENSE.txt"
sed -e "s/@VERSION@/$version/g" -e 's/\r$//' -e 's/$/\r/' "$root/installer/README.txt" >"$stage/README.txt"
chmod 644 "$stage"/*
touch -d "@$SOURCE_DATE_EPOCH" "$stage"/*

IFS=. read -r major minor patch <<<"$version"
rm -f "$installer"
makensis -V2 -WX -INPUTCHARSET UTF8 \
  "-DVERSION=$version" "-DVERSION_QUAD=$major.$minor.$patch.0" "-DTARGET=$target" \
  "-DSTAGE=$stage" "-DICON=$icon" "-DOUTFILE=$installer" \
  "$root/installer/fleeba.nsi"

# -X leaves out the owner and the Unix times; a zip's own times are local, so the zone is fixed.
rm -f "$zip"
(cd "$stage" && TZ=UTC zip -X -D -q -9 "$zip" fleeba.exe README.txt LICENSE.txt)
