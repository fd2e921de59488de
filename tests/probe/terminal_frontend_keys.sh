#!/usr/bin/env bash
# End-to-end test of the terminal front end: runs the probe in a detached tmux session as
# tmux-256color, types one key of each kind tmux encodes its own way, and reads back what the
# probe shows; then checks the terminal is usable again after the probe exits and after it aborts.
# The unit tests type every kind of sequence of several terminal types into a pseudo-terminal.
# Usage: terminal_frontend_keys.sh PATH_TO_zaldrun_terminal_probe
set -euo pipefail

probe=$(realpath "${1:?usage: $0 PATH_TO_zaldrun_terminal_probe}")
socket="zaldrun-probe-$$-$RANDOM"
workdir=$(mktemp -d)
export LANG=C.UTF-8
unset TMUX  # a private server even when the tests run inside tmux

tm() { tmux -u -L "$socket" -f /dev/null "$@"; }
trap 'tm kill-server 2>/dev/null || true; rm -rf "$workdir"' EXIT

fail() {
  echo "FAIL: $*" >&2
  tm capture-pane -p -t probe >&2 || true
  exit 1
}
# Waits until a line of the screen matches the extended regular expression.
wait_for() {
  local deadline=$((SECONDS + 10))
  until tm capture-pane -p -t probe 2>/dev/null | grep -qE -- "$1"; do
    ((SECONDS < deadline)) || fail "not shown: $1"
    sleep 0.1
  done
}

start_probe() {
  tm kill-session -t probe 2>/dev/null || true
  cat >"$workdir/run.sh" <<SCRIPT
TERM=tmux-256color "$probe"
code=\$?
stty -a | tr '\n' ' ' >"$workdir/stty"
echo "probe exit=\$code"
sleep 600
SCRIPT
  tm new-session -d -s probe -x 110 -y 50 "bash $workdir/run.sh"
  wait_for "Залдрун — проверка терминала"
}

# Sends tmux keys (send-keys arguments) and expects the probe's next log line to match. Waiting
# for each key also keeps an Escape apart from the next key (ESC x would be Alt+x).
keys_seen=0
expect_key() {
  tm send-keys -t probe "${@:2}"
  keys_seen=$((keys_seen + 1))
  wait_for "$(printf '#%02d' "$keys_seen") $1"
}

# After the probe has gone: echo and line editing are back, the cursor shows, the screen is the
# normal one.
expect_restored() {
  wait_for "^probe exit=$1$"
  local state expected
  state=" $(cat "$workdir/stty")"
  state+=$(tm display -p -t probe ' cursor=#{cursor_flag} alt=#{alternate_on}')
  for expected in " echo " " icanon " " isig " " ixon " " cursor=1 alt=0"; do
    [[ "$state" == *"$expected"* ]] || fail "not restored: $expected in $state"
  done
}

start_probe
none="ch=U\+0000 cp1251=0 x=-1 y=-1"
expect_key "code=38 $none" Up
# The keypad: tmux sends the application-mode sequences ESC O x while curses has it on.
expect_key "code=36 $none" KP7
expect_key "code=12 $none" KP5
expect_key "code=0 ch=U\+0436 cp1251=230 x=-1" -l ж
expect_key "code=69 ch=U\+0005 cp1251=5 ctrl x=-1" C-e
expect_key "code=27 ch=U\+001B cp1251=27 x=-1" Escape
expect_key "code=13 ch=U\+000D cp1251=13 x=-1" Enter
tm send-keys -t probe C-q
expect_restored 0
echo "ok: keys, and the terminal restored after exit"

start_probe
tm send-keys -t probe C-x
expect_restored 134
echo "ok: terminal restored after abort"
