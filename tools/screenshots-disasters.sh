#!/usr/bin/env bash
# Shows a fire and an earthquake in the busy shop under a virtual display
# (:111) and writes what a player sees as PNGs.
#   tools/screenshots-disasters.sh [OUTDIR]     (default: build/screenshots-disasters)
#
# The fire is arson, as the facility window's "烧掉" sets it, in the closed
# shop at midnight. An earthquake cannot be called up, so the script looks
# for a saved game that shakes soon after it is loaded: a game loaded into
# a freshly started program draws the same numbers in the window as in the
# headless tool, so `qmtool run` on a candidate tells whether the game will
# shake when the window loads it.
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-build/screenshots-disasters}"
mkdir -p "$out"
for f in build/quillmart build/qmtool build/fixtures/busy-shop.qmt; do
  [ -e "$f" ] || { echo "build the game first: bash scripts/test.sh" >&2; exit 1; }
done
qmtool=build/qmtool
busy=build/fixtures/busy-shop.qmt

work="$(mktemp -d)"
export XDG_RUNTIME_DIR="$work/xdg"
mkdir -m 700 "$XDG_RUNTIME_DIR"
game=""
xvfb=""
cleanup() {
  [ -n "$game" ] && kill "$game" 2>/dev/null || true
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# ---- the saved games ----

# The fire: the busy shop at the next midnight, a shelf in the middle set on
# fire; the game runs at its usual speed, so the fire is seen spreading.
printf 'days 1\narson 24\n' >"$work/fire.play"
"$qmtool" play "$busy" "$work/fire.qmt" "$work/fire.play" 2>/dev/null

# The earthquake: the busy shop at the fastest speed, with the reports
# closing at once and no clerk messages, run on until 50 days have passed
# since the last disaster. Candidates a few ticks apart are each run 3000
# ticks as the window would run them, until one shakes.
since=$("$qmtool" get "$busy" DaysSinceDisaster)
printf 'speed 10\nsettings 10 0\ndays %d\n' $((since < 50 ? 50 - since : 0)) >"$work/base.play"
"$qmtool" play "$busy" "$work/base.qmt" "$work/base.play" 2>/dev/null
quake=""
for hop in $(seq 0 3 3000); do
  "$qmtool" run "$work/base.qmt" "$work/cand.qmt" --ticks "$hop" >/dev/null 2>&1
  "$qmtool" run "$work/cand.qmt" "$work/probe.qmt" --ticks 3000 >/dev/null 2>&1
  if [ -n "$("$qmtool" get "$work/probe.qmt" QuakeKind)" ]; then quake="$work/cand.qmt"; break; fi
done
[ -n "$quake" ] || { echo "no earthquake found" >&2; exit 1; }
echo "an earthquake comes $hop ticks after the base game"

# ---- the window ----

Xvfb :111 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=:111
sleep 1

shot() { import -window root "$out/$1.png"; echo "$out/$1.png"; }
# Waits up to $2 seconds for a window titled $1; closes any other dialog
# that comes up meanwhile with its default button, as the headless tool
# answers it. Prints the window's id.
await() {
  local title="$1" limit=$(( $2 * 5 )) w id name
  for ((i = 0; i < limit; i++)); do
    w=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n 1 || true)
    if [ -n "$w" ]; then echo "$w"; return 0; fi
    for id in $(xdotool search --onlyvisible --pid "$game" --name '.' 2>/dev/null || true); do
      name=$(xdotool getwindowname "$id" 2>/dev/null || true)
      [ "$name" = "$title" ] && continue   # it has just come up
      case "$name" in Quillmart*|场景窗口*|书店信息*|"") ;; *) xdotool windowfocus "$id" key Return 2>/dev/null || true ;; esac
    done
    sleep 0.2
  done
  echo "no window \"$title\" came up" >&2
  return 1
}
press() { xdotool windowfocus --sync "$1" key "$2"; sleep "${3:-0.5}"; }

# Starts the program afresh and loads a saved game through 菜单 -> 读取游戏.
start_and_load() {
  [ -n "$game" ] && { kill "$game" 2>/dev/null || true; wait "$game" 2>/dev/null || true; }
  build/quillmart &
  game=$!
  sleep 2
  main=$(xdotool search --sync --name "Quillmart Version" | head -n 1)
  xdotool windowfocus --sync "$main" || true
  eval "$(xdotool getwindowgeometry --shell "$main")"   # X, Y, WIDTH, HEIGHT
  xdotool mousemove $((X + 26)) $((Y + 11)) click 1
  sleep 0.6
  xdotool key l
  sleep 1.5
  xdotool type --delay 20 "$1"
  xdotool key Return
}

# The fire: flames catch one shelf after another; the neighbours notice;
# the player calls the fire brigade (行动 -> 叫消防车, Yes).
start_and_load "$work/fire.qmt"
sleep 3
shot fire-1-burning
w=$(await "发现火灾" 30)
shot fire-2-discovered
press "$w" Return 8
shot fire-3-spreading
xdotool windowfocus --sync "$main" key alt+a
sleep 0.5
xdotool key s
q=$(await "                  Quillmart" 5)   # the question: 18 spaces and the title
shot fire-4-brigade-question
press "$q" shift+Tab 0.2
press "$q" space 0.5
w=$(await "灭火" 10)
shot fire-5-put-out
press "$w" Return 1
shot fire-6-after

# The earthquake: the window announces it, "继续 >>" shakes the floor, the
# damage report lists what broke.
start_and_load "$quake"
w=$(await "发生地震" 120)
shot quake-1-announced
press "$w" Return 0.2
# Shifted and plain frames alternate while the floor shakes: a few shots
# catch both.
for k in 1 2 3 4; do shot "quake-2-shaking-$k"; sleep 0.13; done
w=$(await "受害报告" 10)
shot quake-3-damage
press "$w" Return 1
shot quake-4-after
