#!/usr/bin/env bash
# Set-up if needed, then makes a release of the commit checked out: builds the program from scratch (the
# shipped 32-bit one; FLEEBA_PRESET=win64 for the 64-bit one) and writes into dist/ its installer, its
# portable zip and SHA256SUMS for what dist/ holds. Two runs from the same commit give the same bytes
# (scripts/check-reproducible.sh checks it): the only time written is the commit's, SOURCE_DATE_EPOCH.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
preset=${FLEEBA_PRESET:-win32}
cd "$root"

# A release is a commit: nothing left out of it may slip in.
if [ -n "$(git status --porcelain)" ]; then
  echo "release.sh: the tree has changes that are not committed; commit them (or stash them) first:" >&2
  git status --short >&2
  exit 1
fi
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
export SOURCE_DATE_EPOCH

build=build/release-$preset
rm -rf "$build"
# Its own picture generator and pictures too, drawn afresh.
cmake --preset "$preset" -B "$build" -DBUILD_TESTING=OFF "-DFLEEBA_HOST_DIR=$root/$build" >/dev/null
cmake --build "$build" --target packages

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
mkdir -p dist
# dist/ holds one version: both builds' files may stand side by side, an older version's go.
for old in dist/Fleeba-*; do
  [ -e "$old" ] || continue
  case "$(basename "$old")" in
    "Fleeba-$version-"*) ;;
    *) rm -f "$old" ;;
  esac
done
cp "$build"/packages/Fleeba-*-setup.exe "$build"/packages/Fleeba-*-portable.zip dist/
(cd dist && LC_ALL=C sha256sum Fleeba-*-setup.exe Fleeba-*-portable.zip >SHA256SUMS)
echo "release.sh: Fleeba $version ($preset) in dist/:"
(cd dist && ls -l Fleeba-* SHA256SUMS | awk '{print "  " $5 "  " $9}')
