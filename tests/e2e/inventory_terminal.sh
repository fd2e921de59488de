#!/usr/bin/env bash
# The inventory window in a real terminal: an archer's equipment list with his starting weapons,
# the pack's categories, dropping part of a stack after "Сколько?" and picking it up. Taking off
# and wearing again: ui/inventory_window_test.cpp.
source "$(dirname "$0")/lib.sh"

MAP=$(room_map AAAAAAA ACC@CCA AAAAAAA)

start_game --seed 5 --map "$MAP" --hero 1,2,1,1
wait_for "УРОВЕНЬ"

# The equipment list: the short sword in the right hand, the bow and its arrows readied.
send i
wait_for "Экипировка"
screen | grep -F "Правая Рука:" | grep -qF "Гладиус" || fail "no sword in the right hand"
screen | grep -F "Дальний Бой:" | grep -qF "Составной Лук" || fail "no bow"
screen | grep -F "Стрелы:" | grep -qF "40 Стрел" || fail "no arrows"

send Escape

# The pack, category by category.
send I
wait_for "Зелья (1)"
send 8
wait_for "2 Буханки Хлеба"
send Escape

# Dropping one of the two loaves, then picking it up again.
send d 8 Enter
wait_for "Сколько?"
send 1 Enter
send I 8
wait_for "Буханка Хлеба"
send Escape
send ,
wait_for "Ты поднял Буханка Хлеба."

send C-q
sleep 0.5
echo "inventory terminal: ok"
