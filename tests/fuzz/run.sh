#!/usr/bin/env bash
# Fuzzes the saved-game reader for a while:
#   tests/fuzz/run.sh BUILD_DIR SECONDS
# BUILD_DIR is a build configured with clang and -DQM_FUZZ=ON (README.md).
# The corpus starts from the game's own saves (a new game, the busy shop,
# both played on for a while) and grows in BUILD_DIR/fuzz-corpus; any
# crash is written to BUILD_DIR/fuzz-crashes.
set -euo pipefail
here="$(cd "$(dirname "$0")/../.." && pwd)"
build="$(cd "$1" && pwd)"
seconds="$2"
corpus="$build/fuzz-corpus"
crashes="$build/fuzz-crashes"
mkdir -p "$corpus" "$crashes"

if [ -z "$(ls -A "$corpus")" ]; then
  qmtool="$build/qmtool"
  seeds="$build/fuzz-seeds"
  mkdir -p "$seeds"
  "$qmtool" new "$seeds/new.qmt" --name "新书店" --seed 7 --date 2028-02-28 --time 20:00
  "$qmtool" run "$seeds/new.qmt" "$seeds/new-100days.qmt" --days 100 >/dev/null
  bash "$here/tools/make-busy-shop.sh" "$qmtool" "$seeds/busy.qmt"
  "$qmtool" run "$seeds/busy.qmt" "$seeds/busy-40days.qmt" --days 40 >/dev/null
  "$qmtool" run "$seeds/busy.qmt" "$seeds/busy-400days.qmt" --days 400 >/dev/null
  "$qmtool" run "$seeds/busy.qmt" "$seeds/busy-1234ticks.qmt" --ticks 1234 >/dev/null
  cp "$seeds"/*.qmt "$corpus/"
fi

exec "$build/tests/fuzz/qmfuzz_savegame" "$corpus" -max_len=262144 -timeout=20 -rss_limit_mb=4096 \
  -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$crashes/"
