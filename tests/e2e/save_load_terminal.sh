#!/usr/bin/env bash
# A whole game in a real terminal: a hero made in "Новая Игра" walks into the village and out,
# saves with S; the program started again with --load finds him on the same cell; quitting with Q
# leaves his record and no save. A hero without a save: app/options_test.cpp.
source "$(dirname "$0")/lib.sh"

start_game --seed 3
wait_for "Начать Игру"
send F10 Enter
wait_for "Новая Игра"
wait_for "Имя: Вася"
send Enter
wait_for "Exp: 0("

# Into the village (the entrance at 11, 21) and out by its bottom edge.
send PageDown Right Right Right Right Right Right '>'
send Down
wait_for "Покинуть эту локацию?"
send y
before=$(hero_row)
[ -n "$before" ] || fail "no hero on the map"

save_and_quit "$WORK/Save/Вася.sav"
ls "$WORK"/Save/*.lev >/dev/null 2>&1 && fail "level files left behind"
[ -f "$WORK/Вася.txt" ] && fail "a saved game wrote a record"

resume_hero Вася "$before"

send Q
wait_for "Действительно выйти?"
send y
wait_for_file "$WORK/Вася.txt"
sleep 0.3  # the save and the level files go right after the record
grep -q "Вася, Человек Воин, просто вышел из игры." "$WORK/Вася.txt" || fail "no record"
[ -f "$WORK/Save/Вася.sav" ] && fail "the save of a quitter is still there"
ls "$WORK"/Save/*.lev >/dev/null 2>&1 && fail "level files left behind after Q"
# The end screen tells how the game ended; then the menu waits for a new game.
wait_for "Конец игры"
wait_for "«Вася.txt»"
send Enter
wait_for "Меню открыто"
send Enter
wait_for "Новая Игра"
echo "save and load terminal: ok"
