#!/usr/bin/env bash
# Closing the terminal during a game: the tmux server is killed (the game gets SIGHUP), the game
# is saved as S saves it, without a question, and the program is gone within a second; --load
# puts the hero back on his cell.
source "$(dirname "$0")/lib.sh"

start_game --seed 3 --hero 1,1,1,0
wait_for "Exp: 0("
send Right
send Right
[ "$(cell 6 20)" = "@" ] || fail "the hero did not walk to (6, 20)"
pid=$(game_pid)
tmux -L "$SOCKET" kill-server
wait_gone "$pid" 1 || fail "the game still runs a second after the hang-up"
[ -f "$WORK/Save/Вася.sav" ] || fail "no save after the hang-up"
[ -f "$WORK/Вася.txt" ] && fail "a hang-up wrote a record: the hero was lost"
ls "$WORK"/Save/*.lev >/dev/null 2>&1 && fail "level files left behind"

start_game --load Вася
wait_for "Exp: 0("
[ "$(cell 6 20)" = "@" ] || fail "the loaded hero is not at (6, 20)"
screen | grep -qF "Игра восстановлена" && fail "a hang-up save is no checkpoint"
send C-q
wait_for "Сохранить игру?"
send y
echo "hang-up terminal: ok"
