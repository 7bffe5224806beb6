#!/usr/bin/env bash
# Makes the busy-shop saved game the tests and benchmarks run on:
#   tools/make-busy-shop.sh QMTOOL OUT
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
qmtool="$1"
out="$2"
mkdir -p "$(dirname "$out")"
tmp="$out.new.qmt"
rm -f "$tmp" "$out"
"$qmtool" new "$tmp" --name "繁忙书店" --seed 20261210 --date 2026-12-07 --time 08:00
"$qmtool" play "$tmp" "$out" "$here/tests/fixtures/busy-shop.play"
rm -f "$tmp"
