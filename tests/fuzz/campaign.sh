#!/usr/bin/env bash
# The play-after-load campaign: damaged real saved games, loaded and played
# for a month each (see play_campaign.cpp). Not part of the tests.
#   tests/fuzz/campaign.sh BUILD_DIR FILES [JOBS] [FIRST]
# BUILD_DIR is a build configured with -DQM_CAMPAIGN=ON -DQM_SANITIZE=ON
# (README.md); JOBS processes (at most 4) share the FILES files numbered from
# FIRST (default 0). The seeds are made once with qmtool in
# BUILD_DIR/campaign-seeds; breaks are kept in BUILD_DIR/campaign/breaks.
set -euo pipefail
here="$(cd "$(dirname "$0")/../.." && pwd)"
build="$(cd "$1" && pwd)"
files="$2"
jobs="${3:-4}"
first="${4:-0}"
if [ "$jobs" -gt 4 ]; then jobs=4; fi
qmtool="$build/qmtool"
seeds="$build/campaign-seeds"
out="$build/campaign"
mkdir -p "$out"

if [ ! -s "$seeds/busy-loan.qmt" ]; then
  rm -rf "$seeds" && mkdir -p "$seeds"
  tmp="$(mktemp -d)"
  trap 'rm -rf "$tmp"' EXIT
  play() {  # play IN OUT LINES...: a play script of the given lines
    local in="$1" out="$2"
    shift 2
    printf '%s\n' "$@" >"$tmp/script.play"
    "$qmtool" play "$in" "$out" "$tmp/script.play"
  }
  # A new game, and the same a year on.
  "$qmtool" new "$seeds/new.qmt" --name "新书店" --seed 7 --date 2028-02-28 --time 20:00
  "$qmtool" run "$seeds/new.qmt" "$seeds/new-year.qmt" --days 365 >/dev/null
  # The busy shop at midnight, at noon with both queues, in its closing hour
  # with customers walking out, and a year on.
  bash "$here/tools/make-busy-shop.sh" "$qmtool" "$seeds/busy.qmt"
  "$qmtool" run "$seeds/busy.qmt" "$seeds/busy-noon.qmt" --ticks 200 >/dev/null
  "$qmtool" run "$seeds/busy.qmt" "$seeds/busy-closing.qmt" --ticks 440 >/dev/null
  "$qmtool" run "$seeds/busy.qmt" "$seeds/busy-year.qmt" --days 365 >/dev/null
  # A fire set after closing: while it burns, and two days after.
  play "$seeds/busy.qmt" "$seeds/busy-fire.qmt" "ticks 600" "arson 5" "ticks 60"
  play "$seeds/busy-fire.qmt" "$seeds/busy-after-fire.qmt" "days 2"
  # With a loan, a few days on.
  play "$seeds/busy.qmt" "$seeds/busy-loan.qmt" "borrow 1000000" "days 3"
fi

# The files are split among the jobs; each prints its tally on its last line.
per=$(( (files + jobs - 1) / jobs ))
pids=()
for ((j = 0; j < jobs; ++j)); do
  from=$(( first + j * per ))
  count=$(( per ))
  if (( from + count > first + files )); then count=$(( first + files - from )); fi
  (( count > 0 )) || continue
  "$build/tests/fuzz/qmcampaign" run "$seeds" "$out" "$from" "$count" >"$out/job-$j.out" 2>"$out/job-$j.err" &
  pids+=($!)
done
status=0
for pid in "${pids[@]}"; do wait "$pid" || status=1; done
awk '/^files /{f+=$2; r+=$4; a+=$6; b+=$8} END {printf "files %d refused %d accepted %d breaks %d\n", f, r, a, b}' \
  "$out"/job-*.out
ls "$out/breaks" | head -50
exit $status
