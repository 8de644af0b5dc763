#!/usr/bin/env bash
# Takes the documentation screenshots under a virtual X server (Xvfb), with a window manager
# when one is installed so that the windows carry their title bars.
#   tests/gui/take-screenshots.sh [BUILD_DIR] [OUTPUT_DIR]
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${1:-build/release}
out=${2:-docs/screenshots}
mkdir -p "$out"
display=:97
Xvfb "$display" -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null || true; [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null || true' EXIT
sleep 1
if command -v openbox >/dev/null; then
  DISPLAY=$display openbox >/dev/null 2>&1 &
  wm=$!
  sleep 1
fi
DISPLAY=$display QT_QPA_PLATFORM=xcb "$build/tests/gui/skyrig_screenshots" "$out"
