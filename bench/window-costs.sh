#!/usr/bin/env bash
# What the windowed game costs a player, measured on a virtual display of
# its own:
#   bench/window-costs.sh DISPLAY [BUILD_DIR] [SECONDS]
#   e.g. bench/window-costs.sh :114 build 30
# 1. Start-up: from process start to the first painted title (the game's
#    QM_STARTUP_PROBE reports when that frame is on the screen), and the CPU
#    time the process took for it; the median and the best of 11 starts.
# 2. Play: the busy shop at top speed (speed 10) with its floor view open,
#    loaded through the menu as a player does. First the clock held by a
#    modal window (the speed dialog open) for SECONDS (default 30), where only
#    the floor view's frames and the report windows run; the game's caption
#    (its date and hour) must stand still meanwhile. Then the clock running
#    at top speed for SECONDS. The game raises windows of its own now and
#    then (the day's report, a customer's complaint), which hold the clock
#    while they are up; the script closes each as a player would (Return,
#    else Escape), and the figure counts only the stretches with none of
#    them up: the time when the clock really runs. It knows so twice over:
#    it looks for the game's windows four times a second, and it saves the
#    game through the menu just before and just after the measurement, where
#    person slot 3 (a spare clerk row that never plays) counts every tick in
#    its TicksAlive: the ticks run between the two saves, against the 100 a
#    second of the top speed, show how long the clock ran.
#    Each share of one core (the game's and the display server's beside it)
#    comes from the CPU time of all their threads (schedstat, in ns).
# 3. Memory in play: the game's private anonymous memory (heap, stacks and
#    other anonymous maps), which leaves the shared Qt libraries and fonts
#    aside; the private pages of those files are shown apart. Taken after the
#    held stretch and two seconds at top speed, before the saves.
# Run the builds to compare one after the other under the same load, several
# times over, and compare the best and the median figures.
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

# ---- 2. play ----
# At top speed, a few hours into the night before the shop opens: its day
# report comes up only some seconds after the load, time enough to hold the
# clock first.
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

# The sampler: every QUANTUM seconds for SECONDS, the CPU time of the game's
# and the display server's threads and whether a window of the game holds
# the clock (any top-level window of it but the main one: the child windows
# live inside the main one); with CLOSE=1 each such window is closed as a
# player would. Prints the seconds sampled, those with no window up at
# either end of a step, the windows that came up, and both shares of a core
# over the clean steps.
sample() {  # CLOSE
python3 - "$pid" "$xvfb" "$seconds" "$win" "$1" <<'EOF'
import glob, subprocess, sys, time
pid, xvfb, seconds, main, close = sys.argv[1], sys.argv[2], float(sys.argv[3]), sys.argv[4], sys.argv[5] == "1"
quantum = 0.25
def cpu_ns(p):
    total = 0
    for f in glob.glob(f"/proc/{p}/task/*/schedstat"):
        try:
            total += int(open(f).read().split()[0])
        except (OSError, ValueError, IndexError):
            pass
    return total
def holding():
    out = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", pid], capture_output=True, text=True)
    return [w for w in out.stdout.split() if w != main]
samples, tries = [], 0
start = time.monotonic()
while True:
    t = time.monotonic()
    up = holding() if close else []
    samples.append((t, cpu_ns(pid), cpu_ns(xvfb), not up))
    if t - start >= seconds:
        break
    if up:
        for w in up:
            subprocess.run(["xdotool", "windowfocus", "--sync", w], capture_output=True)
            subprocess.run(["xdotool", "key", "Return" if tries % 2 == 0 else "Escape"], capture_output=True)
        tries += 1
    else:
        tries = 0
    time.sleep(max(0.0, quantum - (time.monotonic() - t)))
clean = game = server = 0.0
windows = 0
for (t0, g0, x0, ok0), (t1, g1, x1, ok1) in zip(samples, samples[1:]):
    if ok0 and ok1:
        clean += t1 - t0
        game += (g1 - g0) / 1e9
        server += (x1 - x0) / 1e9
    windows += ok0 and not ok1
wall = samples[-1][0] - samples[0][0]
print(f"{wall:.1f} {clean:.1f} {windows} {100 * game / max(clean, 1e-9):.2f} {100 * server / max(clean, 1e-9):.2f}")
EOF
}
caption() { xdotool getwindowname "$win"; }

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
before="$(caption)"
read -r wall _ _ gameshare servershare < <(sample 0)
after="$(caption)"
echo "clock held (the speed dialog open), ${wall} s: the game ${gameshare} % of a core, the display server ${servershare} %"
if [ "$after" = "$before" ]; then
  echo "  (held: the caption stood at \"$before\" all the while)"
else
  echo "  NOT HELD: the caption went from \"$before\" to \"$after\""
fi
import -window root "$work/held.png" 2>/dev/null && cp "$work/held.png" "$build/window-costs-held.png" || true
xdotool key Return
sleep 2

# Closes the game's windows that hold the clock, as a player would.
close_windows() {
  local w n=0
  while [ $n -lt 20 ]; do
    local up
    up="$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | grep -vx "$win" || true)"
    [ -n "$up" ] || return 0
    for w in $up; do
      xdotool windowfocus --sync "$w" 2>/dev/null || true
      if [ $((n % 2)) -eq 0 ]; then xdotool key Return; else xdotool key Escape; fi
    done
    n=$((n + 1))
    sleep 0.2
  done
}
# 菜单(M) -> 保存游戏(S), the file's path, Return; once more when a window of
# the game came in between.
save_as() {
  local tries=0
  while [ ! -f "$1" ] && [ $tries -lt 5 ]; do
    close_windows
    xdotool mousemove $((X + 26)) $((Y + 11)) click 1
    sleep 0.3
    xdotool key s
    sleep 0.8
    xdotool type --delay 5 "$1"
    xdotool key Return
    sleep 0.8
    tries=$((tries + 1))
  done
  [ -f "$1" ] || { echo "the game could not be saved through the menu" >&2; exit 1; }
  xdotool windowfocus --sync "$win" 2>/dev/null || true
}
# ---- 3. memory in play, taken before the saves ----
memory() {
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
}
slot3() { "$build/qmtool" get "$1" 'Person.TicksAlive(3)'; }

memory > "$work/memory.txt"
save_as "$work/before.qmt"
read -r wall clean windows gameshare servershare < <(sample 1)
save_as "$work/after.qmt"
ran=$(( $(slot3 "$work/after.qmt") - $(slot3 "$work/before.qmt") ))
echo "top speed, ${clean} s of ${wall} s with the clock running and no window of the game up:" \
     "the game ${gameshare} % of a core, the display server ${servershare} %"
python3 - "$ran" "$wall" "$clean" "$windows" <<'EOF'
import sys
ran, wall, clean, windows = int(sys.argv[1]), float(sys.argv[2]), float(sys.argv[3]), int(sys.argv[4])
print(f"  (the clock ran {ran} ticks between the saves around the {wall:.0f} s, {ran / 100:.1f} s at the top "
      f"speed's 100 a second; {windows} window(s) of the game came up and were closed, {wall - clean:.1f} s "
      f"around them left out)")
EOF
import -window root "$work/play.png" 2>/dev/null && cp "$work/play.png" "$build/window-costs-play.png" || true
cat "$work/memory.txt"
