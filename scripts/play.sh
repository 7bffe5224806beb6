#!/usr/bin/env bash
# Builds the game and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
if [ -x build/quillmart ]; then
  exec build/quillmart
fi
# Until the game window is built, start a new shop with the headless tool.
out="${XDG_DATA_HOME:-$HOME/.local/share}/quillmart"
mkdir -p "$out"
build/qmtool new "$out/Game.qmt" --name "我的书店" --seed "$(date +%s)" --date "$(date +%F)" --time "$(date +%H:%M)"
echo "新的游戏已保存: $out/Game.qmt"
build/qmtool get "$out/Game.qmt" ShopName Funds Year Month Day Hour
