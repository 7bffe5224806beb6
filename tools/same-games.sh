#!/usr/bin/env bash
# Shows that two builds play the same game: a seeded new game played through
# the busy-shop script, then run on for one and for ten years, must leave
# byte-identical saved games in both builds. The ten years call the fire
# brigade as a player would, so that the shop trades to the end of them.
#   tools/same-games.sh BUILD_A BUILD_B
# e.g. tools/same-games.sh ../before/build build   (exit 0: the same games)
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
a="$(cd "${1:?usage: tools/same-games.sh BUILD_A BUILD_B}" && pwd)"
b="$(cd "${2:?usage: tools/same-games.sh BUILD_A BUILD_B}" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

play() {  # BUILD NAME
  local dir="$work/$2"
  mkdir -p "$dir"
  "$1/qmtool" new "$dir/new.qmt" --name "繁忙书店" --seed 20261210 --date 2026-12-07 --time 08:00 >/dev/null
  "$1/qmtool" play "$dir/new.qmt" "$dir/played.qmt" "$here/tests/fixtures/busy-shop.play" >/dev/null
  "$1/qmtool" run "$dir/played.qmt" "$dir/year.qmt" --days 365 >/dev/null
  "$1/qmtool" run "$dir/played.qmt" "$dir/ten-years.qmt" --days 3650 --brigade >/dev/null 2>"$dir/boxes.txt"
}
play "$a" a &
pa=$!
play "$b" b
wait "$pa"

same=0
for f in new played year ten-years; do
  if cmp -s "$work/a/$f.qmt" "$work/b/$f.qmt"; then
    echo "same      $f.qmt ($(stat -c %s "$work/a/$f.qmt") bytes)"
  else
    echo "DIFFERENT $f.qmt"
    same=1
  fi
done
exit $same
