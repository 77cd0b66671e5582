#!/usr/bin/env bash
# Starts the built program under a virtual X display on its sample data and
# saves a PNG of the main window.
# usage: tools/screenshot.sh [OUTPUT.png] [BUILD_DIR]
set -euo pipefail
out=${1:-docs/screenshot.png}
build=${2:-build}
program="$build/bin/quillmoor"
[ -x "$program" ] || { echo "screenshot.sh: $program is not built" >&2; exit 1; }
mkdir -p "$(dirname "$out")"

display=:$(( 90 + RANDOM % 100 ))
Xvfb "$display" -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
app=
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

"$program" &
app=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name 'Quillmoor' | head -n 1)
xdotool windowsize "$window" 1440 900
xdotool windowmove "$window" 0 0
sleep 1.5  # let the window settle after the resize
# Unfold the first category of the catalogue, as a reader would.
xdotool mousemove --window "$window" 80 134 click 1 key asterisk
xdotool mousemove --window "$window" 700 450
sleep 0.5
import -window "$window" "$out"
echo "screenshot.sh: wrote $out"
