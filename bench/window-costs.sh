#!/usr/bin/env bash
# What the windowed game costs a player, measured on a virtual display of
# its own:
#   bench/window-costs.sh DISPLAY [BUILD_DIR] [SECONDS]
#   e.g. bench/window-costs.sh :114 build 30
# 1. Start-up: from process start to the first painted title (the game's
#    QM_STARTUP_PROBE reports when that frame is on the screen), and the CPU
#    time the process took for it; the median and the best of 11 starts.
# 2. Play: the busy shop at top speed (speed 10) with its floor view open,
#    loaded through the menu as a player does; the game's share of one core
#    over SECONDS (default 30) of play, and the display server's beside it.
#    Before that, the same with the clock held by a modal window (the speed
#    dialog open), where only the floor view's frames and the report windows
#    run.
# 3. Memory in play: the game's private anonymous memory (heap, stacks and
#    other anonymous maps), which leaves the shared Qt libraries and fonts
#    aside; the private pages of those files are shown apart.
# Run two builds one after the other under the same load to compare them.
set -euo pipefail
display="${1:?usage: bench/window-costs.sh DISPLAY [BUILD_DIR] [SECONDS]}"
build="$(cd "${2:-build}" && pwd)"
seconds="${3:-30}"
game="$build/quillmart"
[ -x "$game" ] && [ -x "$build/qmtool" ] && [ -f "$build/fixtures/busy-shop.qmt" ] ||
  { echo "build the game first (quillmart, qmtool and the busy-shop fixture)" >&2; exit 1; }

work="$(mktemp -d)"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
xvfb=""
pid=""
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null; rm -rf "$work"' EXIT

Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY="$display"
sleep 1

echo "== $build"
# ---- 1. start-up ----
if ! grep -q QM_STARTUP_PROBE "$game"; then
  echo "start-up to the painted title: not measured (a build from before the probe)"
else
python3 - "$game" "$work/probe" <<'EOF'
import os, statistics, subprocess, sys, time
game, probe = sys.argv[1], sys.argv[2]
env = dict(os.environ, QM_STARTUP_PROBE=probe)
runs, cpus = [], []
for _ in range(11):
    if os.path.exists(probe):
        os.remove(probe)
    t0 = time.monotonic_ns()
    proc = subprocess.Popen([game], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, _, usage = os.wait4(proc.pid, 0)
    runs.append((int(open(probe).read()) - t0) / 1e6)
    cpus.append((usage.ru_utime + usage.ru_stime) * 1e3)
print(f"start-up to the painted title: median {statistics.median(runs):.1f} ms, best {min(runs):.1f} ms; "
      f"CPU time of the process median {statistics.median(cpus):.1f} ms, best {min(cpus):.1f} ms")
EOF
fi

# ---- 2. play at top speed ----
# At top speed, from the shop's opening hour: its day report comes up only
# some seconds after the load, time enough to hold the clock first.
printf 'speed 10\nticks 100\n' > "$work/top.play"
"$build/qmtool" play "$build/fixtures/busy-shop.qmt" "$work/top.qmt" "$work/top.play" >/dev/null 2>&1
"$game" >/dev/null 2>&1 &
pid=$!
win=$(xdotool search --sync --name "Quillmart Version" | head -n 1)
xdotool windowfocus --sync "$win" 2>/dev/null || true
eval "$(xdotool getwindowgeometry --shell "$win")"   # X, Y, WIDTH, HEIGHT
sleep 1
# 菜单(M) -> 读取游戏(L), the saved game's path, Return.
xdotool mousemove $((X + 26)) $((Y + 11)) click 1
sleep 0.5
xdotool key l
sleep 1
xdotool type --delay 10 "$work/top.qmt"
xdotool key Return
sleep 1

ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
hz=$(getconf CLK_TCK)
share() {  # WHAT: the game's and the display server's share of a core over SECONDS
  local g0 x0 t0 g1 x1 t1
  g0=$(ticks "$pid"); x0=$(ticks "$xvfb"); t0=$(date +%s.%N)
  sleep "$seconds"
  g1=$(ticks "$pid"); x1=$(ticks "$xvfb"); t1=$(date +%s.%N)
  python3 - "$1" "$g0" "$g1" "$x0" "$x1" "$t0" "$t1" "$hz" <<'EOF'
import sys
what = sys.argv[1]
g0, g1, x0, x1 = (int(v) for v in sys.argv[2:6])
t0, t1, hz = float(sys.argv[6]), float(sys.argv[7]), int(sys.argv[8])
wall = t1 - t0
print(f"{what}, {wall:.0f} s of play: the game {100 * (g1 - g0) / hz / wall:.2f} % of a core, "
      f"the display server {100 * (x1 - x0) / hz / wall:.2f} %")
EOF
}
# The clock held first, before the shop's day ends and its report comes up:
# 菜单(M), closed again with the bar still selected, four menus right to
# 设定(S), opened, 游戏速度(G); then the dialog closes and the game plays at
# top speed.
xdotool mousemove $((X + 26)) $((Y + 11)) click 1
sleep 0.3
xdotool key Escape
sleep 0.2
xdotool key Right Right Right Right
sleep 0.2
xdotool key Return
sleep 0.3
xdotool key g
sleep 1
share "clock held (the speed dialog open)"
import -window root "$work/held.png" 2>/dev/null && cp "$work/held.png" "$build/window-costs-held.png" || true
xdotool key Return
sleep 2
share "top speed"
import -window root "$work/play.png" 2>/dev/null && cp "$work/play.png" "$build/window-costs-play.png" || true

# ---- 3. memory in play ----
python3 - "$pid" <<'EOF'
import sys
pid = sys.argv[1]
anon = files = 0
name = ""
for line in open(f"/proc/{pid}/smaps"):
    head = line.split()
    if not head:
        continue
    if "-" in head[0] and len(head) >= 5 and not head[0].endswith(":"):
        name = head[5] if len(head) >= 6 else ""
        continue
    if head[0] in ("Private_Clean:", "Private_Dirty:"):
        kb = int(head[1])
        if name.startswith("/"):
            files += kb
        else:
            anon += kb
print(f"private memory in play: {anon / 1024:.1f} MB anonymous "
      f"(private pages of mapped files, libraries and fonts: {files / 1024:.1f} MB)")
EOF
