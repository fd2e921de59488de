# Shared helpers of the end-to-end scripts: the game in a private tmux server.
# Usage: source lib.sh; start_game ARGS...; send KEYS...; wait_for TEXT; finish

set -euo pipefail

BIN=${1:?the zaldrun binary}
SOCKET_BASE="zaldrun-e2e-$$-$RANDOM"
SOCKET="$SOCKET_BASE-0"
RUNS=0
WORK=$(mktemp -d)
SESSION=game

cleanup() {
  local pids=""
  for i in $(seq 0 "$RUNS"); do
    pids="$pids $(game_pid "$SOCKET_BASE-$i" 2>/dev/null || true)"
    tmux -L "$SOCKET_BASE-$i" kill-server 2>/dev/null || true
  done
  # A game still running saves itself on the hang-up: the folder goes once it has ended.
  for pid in $pids; do wait_gone "$pid" 5 || true; done
  rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  echo "---- screen ----" >&2
  tmux -L "$SOCKET" capture-pane -p -t "$SESSION" 2>/dev/null >&2 || true
  exit 1
}

# Starts the game in the terminal front end inside a 110 x 50 tmux window (a tmux server of its
# own for every run). GAME_ENV goes before the program (e.g. "env HOME=..."); GAME_FOLDER_ARGS
# replaces "--dir $WORK" (empty: the folders the program chooses itself).
start_game() {
  RUNS=$((RUNS + 1))
  SOCKET="$SOCKET_BASE-$RUNS"
  tmux -L "$SOCKET" -f /dev/null new-session -d -s "$SESSION" -x 110 -y 50 \
    "TERM=${GAME_TERM:-tmux-256color} ASAN_OPTIONS=detect_leaks=0 ${GAME_ENV:-} $BIN --terminal ${GAME_FOLDER_ARGS---dir $WORK} $*; sleep 30"
}

# Writes a sandbox map of the rows given, padded with stone wall to 80 x 40; prints its path.
room_map() {
  { printf '%s\n' "$@"; for _ in $(seq $(($# + 1)) 40); do echo; done; } |
    awk '{ printf "%-80s\n", $0 }' | tr ' ' 'A' >"$WORK/room.txt"
  echo "$WORK/room.txt"
}

# Waits (up to 5 s) until the file exists.
wait_for_file() { for _ in $(seq 1 50); do [ -e "$1" ] && return 0; sleep 0.1; done; }

screen() { tmux -L "$SOCKET" capture-pane -p -t "$SESSION"; }

# The map cell (x, y) as the screen shows it: map row y is screen line 5 + y, column x is 1 + x.
cell() { screen | sed -n "$(($2 + 5))p" | cut -c"$(($1 + 1))"; }

# The game's process in the tmux server of the socket given, or of the current one (the pane's
# shell runs it).
game_pid() {
  local shell
  shell=$(tmux -L "${1:-$SOCKET}" display-message -p -t "$SESSION" '#{pane_pid}')
  pgrep -P "$shell"
}

# Waits (up to the seconds given) until the process has ended (a zombie waiting for whoever
# reaps orphans has ended too).
wait_gone() {
  local state
  for _ in $(seq 1 $(($2 * 20))); do
    state=$(ps -o stat= -p "$1" 2>/dev/null || true)
    case $state in "" | Z*) return 0 ;; esac
    sleep 0.05
  done
  return 1
}

# Waits (up to 15 s) until the screen shows the text.
wait_for() {
  local text=$1
  for _ in $(seq 1 150); do
    if screen | grep -qF -- "$text"; then return 0; fi
    sleep 0.1
  done
  fail "the screen never showed: $text"
}

# Waits until the screen stops changing.
settle() {
  local before=""
  local now
  for _ in $(seq 1 50); do
    now=$(screen)
    [ "$now" = "$before" ] && return 0
    before=$now
    sleep 0.1
  done
}

send() {
  tmux -L "$SOCKET" send-keys -t "$SESSION" "$@"
  settle
}

# The lines of the screen that show the hero, with their numbers: where he stands.
hero_row() { screen | grep -n "@" || true; }

# Saves with S and a yes; fails unless the save file ($1) appears.
save_and_quit() {
  send S
  wait_for "Сохранить и выйти?"
  send y
  wait_for_file "$1"
  [ -f "$1" ] || fail "no save after S: $1"
  wait_for "Игра сохранена"
}

# Starts the program again with --load NAME ($1); fails unless the hero stands where he stood
# ($2, from hero_row).
resume_hero() {
  start_game --load "$1"
  wait_for "Exp: 0("
  [ "$(hero_row)" = "$2" ] || fail "the hero is elsewhere: '$2' then '$(hero_row)'"
}

# The message log as UTF-8.
log_text() { iconv -f CP1251 -t UTF-8 "$WORK/Messages.log" 2>/dev/null || true; }
