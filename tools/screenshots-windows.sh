#!/usr/bin/env bash
# Opens every built window once on a virtual display, as the window tests'
# gallery does (tests/ui/window_gallery_test.cpp), and writes each as a PNG,
# with two views of the whole screen: the scene window maximised, and the
# New Year's day report with the shop information window open.
#   tools/screenshots-windows.sh [OUTDIR]      (default: build/screenshots-windows)
# QM_DISPLAY picks the display number (default :115). When a window manager
# (openbox) is installed it frames the windows as on a desktop; without one
# the windows come without frames.
set -euo pipefail
cd "$(dirname "$0")/.."
out="$(realpath -m "${1:-build/screenshots-windows}")"
display="${QM_DISPLAY:-:115}"
[ -x build/qmuitests ] || { echo "build the tests first: cmake --build build" >&2; exit 1; }
mkdir -p "$out"

export XDG_RUNTIME_DIR="$(mktemp -d)"
chmod 700 "$XDG_RUNTIME_DIR"
Xvfb "$display" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
wm=
trap 'kill $wm $xvfb 2>/dev/null || true; rm -rf "$XDG_RUNTIME_DIR"' EXIT
export DISPLAY="$display"
sleep 1
if command -v openbox >/dev/null; then
  openbox >/dev/null 2>&1 &
  wm=$!
  sleep 1
fi

QT_QPA_PLATFORM=xcb QM_WINDOW_SHOTS="$out" build/qmuitests --gtest_filter='WindowGallery.*'
ls "$out"/*.png
