#!/usr/bin/env bash
# End-to-end test of the terminal front end: runs the probe in a detached tmux session (once as
# tmux-256color, once as tmux-direct), types keys, and reads back what the probe shows.
# Usage: terminal_frontend_keys.sh PATH_TO_zaldrun_terminal_probe
set -euo pipefail

probe=$(realpath "${1:?usage: $0 PATH_TO_zaldrun_terminal_probe}")
socket="zaldrun-probe-$$-$RANDOM"
workdir=$(mktemp -d)
export LANG=C.UTF-8
unset TMUX  # a private server even when the tests run inside tmux

tm() { tmux -u -L "$socket" -f /dev/null "$@"; }
cleanup() {
  tm kill-server 2>/dev/null || true
  rm -rf "$workdir"
}
trap cleanup EXIT

screen() { tm capture-pane -p -t probe; }
fail() {
  echo "FAIL [$term]: $*" >&2
  echo "--- screen:" >&2
  screen >&2 || true
  exit 1
}
# Waits until a line of the screen matches the extended regular expression.
wait_for() {
  local pattern=$1 deadline=$((SECONDS + ${2:-10}))
  until screen 2>/dev/null | grep -qE -- "$pattern"; do
    ((SECONDS < deadline)) || fail "not shown: $pattern"
    sleep 0.1
  done
}
wait_gone() {
  local pattern=$1 deadline=$((SECONDS + 10))
  while screen 2>/dev/null | grep -qE -- "$pattern"; do
    ((SECONDS < deadline)) || fail "still shown: $pattern"
    sleep 0.1
  done
}

keys_seen=0
# Sends tmux keys (send-keys arguments) and expects the probe's next log line to match.
expect_key() {
  local expected=$1
  shift
  tm send-keys -t probe "$@"
  keys_seen=$((keys_seen + 1))
  local number
  number=$(printf '#%02d' "$keys_seen")
  # Waiting for each key also keeps an Escape apart from the next key (ESC x would be Alt+x).
  wait_for "$number $expected"
}

start_probe() {
  keys_seen=0
  tm kill-session -t probe 2>/dev/null || true
  cat >"$workdir/run.sh" <<SCRIPT
TERM=$term "$probe"
echo "probe exit=\$?"
stty -a | tr '\n' ' ' >"$workdir/stty"
sleep 600
SCRIPT
  tm new-session -d -s probe -x 110 -y 50 "bash $workdir/run.sh"
  wait_for "Залдрун — проверка терминала"
}

# The terminal is usable again after the probe has gone: echo and line editing are back.
expect_restored() {
  local deadline=$((SECONDS + 10))
  until [[ -s "$workdir/stty" ]]; do
    ((SECONDS < deadline)) || fail "no stty report after exit"
    sleep 0.1
  done
  local modes
  modes=" $(cat "$workdir/stty") "
  for mode in echo icanon isig ixon; do
    [[ "$modes" == *" $mode "* ]] || fail "terminal mode $mode not restored: $modes"
  done
  [[ "$(tm display -p -t probe '#{cursor_flag}')" == 1 ]] || fail "cursor left hidden"
  [[ "$(tm display -p -t probe '#{alternate_on}')" == 0 ]] || fail "still on the alternate screen"
  rm -f "$workdir/stty"
}

run_keys() {
  start_probe
  case $term in
    tmux-direct)
      wait_for "Цвета: 24 бита"
      local colours
      colours=$(tm capture-pane -p -e -t probe)
      # Exact RGB, and black lifted off the palette (numbers below 8 would be palette entries).
      grep -qF '38;2;255;0;0' <<<"$colours" || fail "red is not 24-bit"
      grep -qF '48;2;0;1;0' <<<"$colours" || fail "black background is not lifted"
      grep -qF '48;2;0;1;5' <<<"$colours" || fail "near-black background is not lifted"
      grep -qF '38;2;255;128;0' <<<"$colours" || fail "orange is not 24-bit"
      ;;
    *)
      wait_for "Цвета: 256 цветов"
      local colours
      colours=$(tm capture-pane -p -e -t probe)
      grep -qF '38;5;196' <<<"$colours" || fail "red is not palette entry 196"
      grep -qF '38;5;208' <<<"$colours" || fail "orange is not palette entry 208"
      ;;
  esac
  screen | grep -qF "┌─┬─┐ ╔═╦═╗ █▓▒░ ¦†„‡ћ§ №" || fail "box lines and glyphs"
  screen | grep -qF "Съешь же ещё этих мягких французских булок, да выпей чаю." || fail "text"
  screen | grep -qE "^└──\s?Ctrl\+Q — выход ─+┘$" || fail "bottom frame"

  local none="ch=U\+0000 '.' cp1251=0 ctrl=0 alt=0 shift=0"
  expect_key "code=38 $none" Up
  expect_key "code=40 $none" Down
  expect_key "code=37 $none" Left
  expect_key "code=39 $none" Right
  expect_key "code=36 $none" Home
  expect_key "code=35 $none" End
  expect_key "code=33 $none" PPage
  expect_key "code=34 $none" NPage
  # The keypad: tmux sends the application-mode sequences ESC O x while curses has it on.
  expect_key "code=36 $none" KP7
  expect_key "code=38 $none" KP8
  expect_key "code=33 $none" KP9
  expect_key "code=37 $none" KP4
  expect_key "code=12 $none" KP5
  expect_key "code=39 $none" KP6
  expect_key "code=35 $none" KP1
  expect_key "code=40 $none" KP2
  expect_key "code=34 $none" KP3
  expect_key "code=13 ch=U\+000D '.' cp1251=13 ctrl=0" KPEnter
  # Raw sequences of other terminals: keypad 7 and keypad 5 without NumLock.
  expect_key "code=36 $none" -H 1b 4f 77
  expect_key "code=12 $none" -H 1b 4f 45
  expect_key "code=12 $none" -H 1b 5b 45
  expect_key "code=0 ch=U\+0436 'ж' cp1251=230 ctrl=0 alt=0" -l ж
  expect_key "code=0 ch=U\+0401 'Ё' cp1251=168 ctrl=0 alt=0" -l Ё
  expect_key "code=0 ch=U\+044F 'я' cp1251=255 ctrl=0 alt=0" -l я
  expect_key "code=65 ch=U\+0061 'a' cp1251=97 ctrl=0 alt=0 shift=0" -l a
  expect_key "code=69 ch=U\+0005 '.' cp1251=5 ctrl=1 alt=0" C-e
  expect_key "code=83 ch=U\+0013 '.' cp1251=19 ctrl=1 alt=0" C-s
  expect_key "code=27 ch=U\+001B '.' cp1251=27 ctrl=0 alt=0" Escape
  expect_key "code=13 ch=U\+000D '.' cp1251=13 ctrl=0 alt=0" Enter
  expect_key "code=32 ch=U\+0020 ' ' cp1251=32 ctrl=0 alt=0" Space
  expect_key "code=8 ch=U\+0008 '.' cp1251=8 ctrl=0 alt=0" BSpace
  expect_key "code=9 ch=U\+0009 '.' cp1251=9 ctrl=0 alt=0 shift=0" Tab
  expect_key "code=46 $none" DC
  expect_key "code=112 $none" F1
  expect_key "code=121 $none" F10
  expect_key "code=88 ch=U\+0078 'x' cp1251=120 ctrl=0 alt=1" M-x
  expect_key "code=38 ch=U\+0000 '.' cp1251=0 ctrl=1 alt=0" C-Up
  wait_for "Клавиш получено: $keys_seen"

  # Too small a window: what fits and a notice; grown again: the whole frame, no notice.
  tm resize-window -t probe -x 80 -y 24
  wait_for "^Окно терминала мало: нужно 100 x 45, сейчас 80 x 24"
  screen | grep -qF "│ Залдрун — проверка терминала" || fail "top of the grid after shrinking"
  tm resize-window -t probe -x 110 -y 50
  wait_gone "Окно терминала мало"
  wait_for "^└──\s?Ctrl\+Q — выход ─+┘$"
  expect_key "code=39 $none" Right

  tm send-keys -t probe C-q
  wait_for "^probe exit=0$"
  screen | grep -qF "terminal_probe: выход после $keys_seen клавиш" || fail "goodbye line"
  expect_restored
}

for term in tmux-256color tmux-direct; do
  run_keys
  echo "ok: keys, colours and resizing as $term"
done

# A crash (abort) and a hang-up leave the terminal usable too.
term=tmux-256color
start_probe
tm send-keys -t probe C-x
wait_for "^probe exit=134$"
expect_restored
echo "ok: terminal restored after abort"

# SIGSEGV: the sanitizers' report (or the default action) follows the restored terminal.
start_probe
tm send-keys -t probe C-v
wait_for "^probe exit=([1-9][0-9]*)$"
expect_restored
echo "ok: terminal restored after SIGSEGV"

start_probe
expect_key "code=65 ch=U\+0061" -l a
probe_pid=$(pgrep -f -P "$(tm display -p -t probe '#{pane_pid}')" zaldrun_terminal_probe || true)
[[ -n "$probe_pid" ]] || fail "probe process not found"
kill -HUP "$probe_pid"
wait_for "^probe exit=3$"
# Two keys: the letter, then the close request the hang-up turned into.
screen | grep -qF "terminal_probe: ввод закончился после 2 клавиш" || fail "no close request"
expect_restored
echo "ok: hang-up ends the input cleanly"
