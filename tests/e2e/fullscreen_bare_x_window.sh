#!/usr/bin/env bash
# Alt+Enter on an X server without a window manager (Xvfb alone), where nobody carries out SDL's
# full-screen request: the window covers the whole screen, and the second Alt+Enter puts it back
# at its size and place.
set -euo pipefail

BIN=${1:?the zaldrun binary}
WORK=$(mktemp -d)
DISPLAY_NUMBER=$((100 + RANDOM % 100))
export DISPLAY=:$DISPLAY_NUMBER SDL_VIDEODRIVER=x11 ASAN_OPTIONS=detect_leaks=0
pid=""
xvfb=""
cleanup() {
  [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null || true
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 1 50); do xwininfo -root >/dev/null 2>&1 && break; sleep 0.1; done

# The window's size and place as X has them: "WIDTHxHEIGHT+X+Y".
geometry() { xwininfo -root -tree | awk '/"Залдрун"/ { print $(NF - 1); exit }'; }

"$BIN" --window --dir "$WORK" --seed 3 --hero 1,1,1,0 &
pid=$!
for _ in $(seq 1 100); do [ -n "$(geometry)" ] && break; sleep 0.1; done
before=$(geometry)
[ -n "$before" ] || fail "no window"
sleep 0.5
window=$(xwininfo -root -tree | awk '/"Залдрун"/ { print $1; exit }')

xdotool key --window "$window" alt+Return
for _ in $(seq 1 50); do [ "$(geometry)" = "1280x1024+0+0" ] && break; sleep 0.1; done
[ "$(geometry)" = "1280x1024+0+0" ] || fail "full screen is $(geometry), not the screen"

xdotool key --window "$window" alt+Return
for _ in $(seq 1 50); do [ "$(geometry)" = "$before" ] && break; sleep 0.1; done
[ "$(geometry)" = "$before" ] || fail "back from full screen at $(geometry), not $before"
echo "full screen without a window manager: ok"
