#!/usr/bin/env bash
# The window's start and memory on an X display without a graphics card (Xvfb, where OpenGL is
# Mesa's llvmpipe): the first frame and the peak memory of a fresh process with the renderer the
# program picks, with SDL's OpenGL renderer forced, and under the dummy video driver; then the
# peak memory of the whole game for a few seconds in the window and in the terminal.
#
#   scripts/measure-window.sh [BUILD_FOLDER] [RUNS]
set -euo pipefail
build=${1:-build/release}
runs=${2:-5}
first_frame="$build/bench/zaldrun_first_frame"
[ -x "$first_frame" ] || { echo "$first_frame is missing: build with -DZALDRUN_BUILD_BENCH=ON" >&2; exit 1; }
command -v Xvfb >/dev/null || { echo "Xvfb is not installed (apt-get install xvfb)" >&2; exit 1; }

display=:$((90 + RANDOM % 9))
Xvfb "$display" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
folder=$(mktemp -d)
trap 'kill "$xvfb" 2>/dev/null; rm -rf "$folder"' EXIT
sleep 1

# Prints "first frame after ... ms, renderer ..." and the peak resident memory of each run.
measure() {
  local label=$1
  shift
  echo "$label:"
  for ((i = 0; i < runs; i++)); do
    /usr/bin/time -f "%M" -o "$folder/peak" env "$@" "$first_frame" >"$folder/said"
    echo "  $(cat "$folder/said"), peak $(awk '{ printf "%.1f", $1 / 1024 }' "$folder/peak") MB"
  done
}

measure "the program's choice" DISPLAY="$display" SDL_VIDEODRIVER=x11
measure "OpenGL forced (SDL_RENDER_DRIVER=opengl)" DISPLAY="$display" SDL_VIDEODRIVER=x11 \
  SDL_RENDER_DRIVER=opengl
measure "the dummy video driver" SDL_VIDEODRIVER=dummy

# The whole game, from start until it is stopped after three seconds at its first screen.
game_peak() {
  local label=$1
  shift
  timeout -s INT 3 /usr/bin/time -f "%M" -o "$folder/peak" "$@" >/dev/null 2>&1 || true
  echo "$label: peak $(awk '{ printf "%.1f", $1 / 1024 }' "$folder/peak") MB"
}
cp "$build"/*.dat "$folder/"
game_peak "the game in the window" env DISPLAY="$display" SDL_VIDEODRIVER=x11 \
  "$build/zaldrun" --window --dir "$folder"
game_peak "the game in the window, OpenGL forced" env DISPLAY="$display" SDL_VIDEODRIVER=x11 \
  SDL_RENDER_DRIVER=opengl "$build/zaldrun" --window --dir "$folder"
# The terminal game inside tmux, left with Ctrl-Q after three seconds at its first screen.
session="zaldrun-measure-$$"
rm -f "$folder/peak"
tmux new-session -d -s "$session" -x 100 -y 45 \
  "/usr/bin/time -f %M -o $folder/peak $build/zaldrun --terminal --dir $folder"
sleep 3
tmux send-keys -t "$session" C-q
sleep 1
tmux kill-session -t "$session" 2>/dev/null || true
echo "the game in the terminal: peak $(awk '{ printf "%.1f", $1 / 1024 }' "$folder/peak") MB"
