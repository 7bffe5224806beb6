#!/usr/bin/env bash
# Shows the quarterly award ceremony under a virtual display and writes what
# a player sees as PNGs: the busy shop is run by qmtool to the last evening
# of December, loaded into the game, and the game's own clock brings the
# quarter's end: the award notice, the ceremony (typing, a roulette, the
# board filling up, the end) and what follows it.
#   tools/screenshots-ceremony.sh [OUTDIR]      (default: build/screenshots)
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-build/screenshots}"
mkdir -p "$out"
[ -x build/quillmart ] && [ -x build/qmtool ] && [ -f build/fixtures/busy-shop.qmt ] ||
  { echo "build the game first: bash scripts/test.sh" >&2; exit 1; }

work="$(mktemp -d)"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
xvfb=""
game=""
trap '[ -n "$game" ] && kill "$game" 2>/dev/null; [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT

# The saved game: 31 December, after closing, the last customer gone, so the
# game's clock reaches the new day within a few seconds.
save="$work/quarter-end.qmt"
build/qmtool run build/fixtures/busy-shop.qmt "$save" --days 20 >/dev/null
for _ in $(seq 1 400); do
  read -r month day hour <<< "$(build/qmtool get "$save" Month Day Hour | tr '\n' ' ')"
  [ "$month" = 12 ] && [ "$day" = 31 ] && [ "$hour" -ge 23 ] && break
  build/qmtool run "$save" "$save.next" --ticks 5 >/dev/null
  mv "$save.next" "$save"
done
[ "$month" = 12 ] && [ "$day" = 31 ] && [ "$hour" -ge 23 ] ||
  { echo "could not bring the busy shop to the evening of 31 December" >&2; exit 1; }
echo "saved game at 31 December, hour $hour"

Xvfb :113 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=:113
sleep 1
build/quillmart &
game=$!
sleep 2

shot() { import -window root "$out/$1.png"; echo "$out/$1.png"; }
win=$(xdotool search --sync --name "Quillmart Version" | head -n 1)
xdotool windowfocus --sync "$win" || true
eval "$(xdotool getwindowgeometry --shell "$win")"   # X, Y, WIDTH, HEIGHT
click() { xdotool mousemove $((X + $1)) $((Y + $2)) click 1; sleep "${3:-0.6}"; }

# 菜单(M) -> 读取游戏(L), the saved game's path, Return.
click 26 11
xdotool key l
sleep 1.5
xdotool type --delay 20 "$save"
xdotool key Return

# The notice comes with the new day.
notice=$(timeout 60 xdotool search --sync --name "^通知$" | head -n 1)
sleep 0.5
shot c1-award-notice
xdotool windowfocus --sync "$notice" || true
xdotool key Return                                  # 继续 >>

ceremony=$(timeout 10 xdotool search --sync --name "全日本 书店评选" | head -n 1)
xdotool windowfocus --sync "$ceremony" || true
sleep 1.2
shot c2-ceremony-greeting
# Any key moves the host on: the first shows the whole line, the next the
# next step. On to the facility award's roulette, then let it spin.
press() { for _ in $(seq 1 "$1"); do xdotool key space; sleep 0.25; done; }
press 5
sleep 0.6
shot c3-ceremony-roulette
press 18
sleep 1
shot c4-ceremony-board
press 60
sleep 2.5
shot c5-ceremony-end

# "结束", at the foot of the ceremony's window.
eval "$(xdotool getwindowgeometry --shell "$ceremony")"
xdotool mousemove $((X + 468)) $((Y + 386)) click 1
sleep 1.5
shot c6-after-the-ceremony
