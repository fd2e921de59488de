#!/usr/bin/env bash
# A checkpoint at every level change: the hero enters the village and the program is killed
# with SIGKILL; the next start offers him in "Новая Игра", and loading puts him on the village's
# arrival cell with a word that the game comes from the level's entry.
source "$(dirname "$0")/lib.sh"

start_game --seed 3 --hero 1,1,1,0
wait_for "Exp: 0("
[ -f "$WORK/Save/Вася.sav" ] && fail "a new game wrote a save before any level change"
send PageDown Right Right Right Right Right Right '>'
[ "$(cell 7 38)" = "@" ] || fail "the hero did not arrive at the village gate (7, 38)"
wait_for_file "$WORK/Save/Вася.sav"
kill -9 "$(game_pid)"

start_game
wait_for "Начать Игру"
send F10 Enter
wait_for "Новая Игра"
screen | grep -qF "Вася" || fail "the new-game window does not offer Вася"
# From the name box Shift+Tab goes to the load button, the create button, then the saves list.
send BTab BTab BTab Down Enter
wait_for "Игра восстановлена с момента входа на этот уровень."
[ "$(cell 7 38)" = "@" ] || fail "the restored hero is not at the village gate (7, 38)"
send C-q
wait_for "Сохранить игру?"
send y
echo "checkpoint terminal: ok"
