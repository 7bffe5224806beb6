#!/usr/bin/env bash
# Starts the game under a virtual display, clicks through the title screen,
# the new-game dialog and the floor, and writes what a player sees as PNGs.
#   tools/screenshots.sh [OUTDIR]      (default: build/screenshots)
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-build/screenshots}"
mkdir -p "$out"
[ -x build/quillmart ] || { echo "build the game first: bash scripts/test.sh" >&2; exit 1; }

export XDG_RUNTIME_DIR="$(mktemp -d)"
chmod 700 "$XDG_RUNTIME_DIR"
Xvfb :97 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $game $xvfb 2>/dev/null || true; rm -rf "$XDG_RUNTIME_DIR"' EXIT
export DISPLAY=:97
sleep 1
build/quillmart &
game=$!
sleep 2

shot() { import -window root "$out/$1.png"; echo "$out/$1.png"; }
win=$(xdotool search --sync --name "Quillmart Version" | head -n 1)
xdotool windowfocus --sync "$win" || true
shot 1-title

# Bare Xvfb has no window manager: click by position inside the window.
eval "$(xdotool getwindowgeometry --shell "$win")"   # X, Y, WIDTH, HEIGHT
click() { xdotool mousemove $((X + $1)) $((Y + $2)) click 1; sleep "${3:-0.6}"; }
click 26 11          # 菜单(M)
shot 2-menu
xdotool key n        # 开始新游戏(N)
sleep 1
shot 3-new-game
xdotool type --delay 50 "Maple Books"
sleep 0.3
xdotool key Return
sleep 2
shot 4-floor
sleep 3
shot 5-floor-later

# Load the busy shop through 菜单(M) -> 读取游戏(L) and watch it trade.
# The new game's first day report is up by now; it closes itself, and a
# click on the menu while it is up would go nowhere.
if [ -f build/fixtures/busy-shop.qmt ]; then
  sleep 6
  click 26 11
  xdotool key l
  sleep 1.5
  shot 6-load-dialog
  xdotool type --delay 20 "$PWD/build/fixtures/busy-shop.qmt"
  xdotool key Return
  sleep 2
  shot 7-busy-shop
  sleep 20
  shot 8-busy-shop-later
fi
