#!/usr/bin/env bash
# The window under the dummy video driver gets SIGTERM, as a desktop sends at log-out: the game
# is saved without a question that nobody would answer, the program is gone within 2 s with exit
# code 0, and the save loads (and a loaded game ends the same way).
set -euo pipefail

BIN=${1:?the zaldrun binary}
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
export SDL_VIDEODRIVER=dummy ASAN_OPTIONS=detect_leaks=0

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Runs the window with the arguments given, sends SIGTERM once the file `ready` shows that the
# game runs, and checks that it ends within 2 s with exit code 0.
run_and_terminate() {
  local ready=$1
  shift
  "$BIN" --window --dir "$WORK" "$@" &
  local pid=$!
  for _ in $(seq 1 200); do [ -e "$ready" ] && break; sleep 0.05; done
  if [ ! -e "$ready" ]; then
    kill -KILL "$pid" 2>/dev/null || true
    fail "the game never began: $*"
  fi
  sleep 0.3
  kill -TERM "$pid"
  for _ in $(seq 1 40); do kill -0 "$pid" 2>/dev/null || break; sleep 0.05; done
  if kill -0 "$pid" 2>/dev/null; then
    kill -KILL "$pid"
    fail "the program still ran 2 s after SIGTERM: $*"
  fi
  local code=0
  wait "$pid" || code=$?
  [ "$code" -eq 0 ] || fail "exit code $code after SIGTERM: $*"
}

# The window has opened once the Save folder is made; a new game follows at once.
run_and_terminate "$WORK/Save" --seed 3 --hero 1,1,1,0
[ -f "$WORK/Save/Вася.sav" ] || fail "no save after SIGTERM"
[ -f "$WORK/Вася.txt" ] && fail "SIGTERM wrote a record: the hero was lost"

# A loaded game keeps its levels in memory and shows no file of its own: the save is there from
# the start, and a SIGTERM during the load is answered once the game runs. Saved over, the old
# save becomes the backup.
run_and_terminate "$WORK/Save/Вася.sav" --load Вася
[ -f "$WORK/Save/Вася.bak" ] || fail "the loaded game was not saved again"
echo "hang-up window: ok"
