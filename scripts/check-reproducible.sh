#!/usr/bin/env bash
# Checks that a release can be made again byte for byte: clones the commit checked out twice, into two
# fresh folders at different paths, runs scripts/release.sh in each (one after the other, so at different
# times), and compares what the two dist/ folders hold. FLEEBA_PRESET chooses the build, as for release.sh.
# Prints the figures and the time it took; exits non-zero when a file differs.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
started=$(date +%s)
commit=$(git -C "$root" rev-parse HEAD)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
first=$work/first
second=$work/second-clone-elsewhere
for clone in "$first" "$second"; do
  git clone -q --no-local "$root" "$clone"
  git -C "$clone" checkout -q --detach "$commit"
  began=$(date +%s)
  "$clone/scripts/release.sh" >"$clone.log" 2>&1 || { cat "$clone.log" >&2; exit 1; }
  echo "release.sh in a fresh clone: $(($(date +%s) - began)) s"
done

different=0
for file in "$first"/dist/*; do
  name=$(basename "$file")
  if cmp -s "$file" "$second/dist/$name"; then
    echo "same      $name ($(stat -c %s "$file") bytes)"
  else
    echo "DIFFERENT $name" >&2
    different=1
  fi
done
if [ "$(ls "$first/dist")" != "$(ls "$second/dist")" ]; then
  echo "DIFFERENT file lists: $(ls "$first/dist" | tr '\n' ' ') / $(ls "$second/dist" | tr '\n' ' ')" >&2
  different=1
fi
cat "$first/dist/SHA256SUMS"
echo "commit $commit, checked in $(($(date +%s) - started)) s"
exit $different
