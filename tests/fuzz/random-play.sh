#!/usr/bin/env bash
# The random-play campaign over many seeds (see random_play.cpp), at most
# four processes at a time, and a summary of what they found.
#   tests/fuzz/random-play.sh BUILD_DIR SEEDS LENGTH [JOBS] [FIRST]
# Seeds FIRST .. FIRST+SEEDS-1 (FIRST 1 by default) each play LENGTH (game
# years, or days with a "d": 60d), split among JOBS processes (4 by default, at most 4). Half the games
# begin from the busy-shop fixture of the build (a large, furnished shop, so
# that the later star levels and their equipment are reached), half as new
# games. Each process writes BUILD_DIR/random-play/job-N.out; the first save
# of each finding and the save before it are kept in
# BUILD_DIR/random-play/kept. The exit status is 0 when nothing was found.
set -euo pipefail
build="$(cd "$1" && pwd)"
seeds="$2"
length="$3"
jobs="${4:-4}"
first="${5:-1}"
if [ "$jobs" -gt 4 ]; then jobs=4; fi
if [ "$jobs" -lt 1 ]; then jobs=1; fi
player="$build/qmrandomplay"
out="$build/random-play"
rm -rf "$out"
mkdir -p "$out"
from=()
if [ -s "$build/fixtures/busy-shop.qmt" ]; then from=(--from "$build/fixtures/busy-shop.qmt"); fi

start=$(date +%s)
per=$(( (seeds + jobs - 1) / jobs ))
pids=()
for ((j = 0; j < jobs; ++j)); do
  from_seed=$(( first + j * per ))
  count=$per
  if (( from_seed + count > first + seeds )); then count=$(( first + seeds - from_seed )); fi
  (( count > 0 )) || continue
  "$player" run "$from_seed" "$count" "$length" "${from[@]}" --keep "$out/kept" \
    >"$out/job-$j.out" 2>"$out/job-$j.err" &
  pids+=($!)
done
status=0
for pid in "${pids[@]}"; do wait "$pid" || status=1; done
seconds=$(( $(date +%s) - start ))

# The summary: the totals, what the player did, and each kind of finding
# with its count, the seeds it came up in and where it was first seen.
awk -F'\t' -v seconds="$seconds" '
  /^seed / {
    n = split($0, w, " ")
    runs++
    for (k = 3; k < n; k += 2) total[w[k]] += w[k + 1]
    next
  }
  $1 == "  act" { tried[$2] += $3; done[$2] += $4; next }
  $1 == "  finding" {
    key = $2 "\t" $3
    if (!(key in count)) { order[++kinds] = key; first[key] = $5 }
    count[key] += $4
    seeds[key]++
    next
  }
  END {
    printf "seeds %d, %.1f game years, %d games (%d ended by the game, %d given up), %d ticks, %d actions, %d saves checked, %d refused, %d ticks in breach, %d stalls; %d s\n",
      runs, total["days"] / 365, total["games"], total["game-overs"], total["given-up"],
      total["ticks"], total["actions"], total["saves"], total["refused-saves"], total["breach-ticks"],
      total["stalls"], seconds
    n = 0
    for (a in tried) names[++n] = a
    for (i = 2; i <= n; ++i)  # in the order of their names
      for (j = i; j > 1 && names[j - 1] > names[j]; --j) { tmp = names[j]; names[j] = names[j - 1]; names[j - 1] = tmp }
    printf "actions (done of tried):"
    for (i = 1; i <= n; ++i) printf " %s %d/%d", names[i], done[names[i]], tried[names[i]]
    print ""
    if (kinds == 0) { print "no findings"; exit }
    print "findings:"
    for (k = 1; k <= kinds; ++k) {
      key = order[k]
      split(key, t, "\t")
      printf "  %s: %s -- %d times in %d seeds\n    first: %s\n", t[1], t[2], count[key], seeds[key], first[key]
    }
  }' "$out"/job-*.out | tee "$out/summary.txt"
exit $status
