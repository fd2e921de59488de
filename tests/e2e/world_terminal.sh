#!/usr/bin/env bash
# A new game started from the command line in a real terminal: the overworld with the hero at
# (4, 20) seeing three cells around him, the village's name on its entrance, in with ">", and out
# by the village gate, which writes the village's level file.
source "$(dirname "$0")/lib.sh"

start_game --seed 5 --hero 1,1,1,0
wait_for "HP:"
wait_for "Деньги:"

# Map row y is screen line 5 + y, column x is screen column 1 + x.
cell() { screen | sed -n "$(($2 + 5))p" | cut -c"$(($1 + 1))"; }
[ "$(cell 4 20)" = "@" ] || fail "the hero is not at (4, 20)"
lit=$(screen | sed -n '5,44p' | cut -c1-80 | tr -d ' \n' | wc -m)
[ "$lit" -eq 37 ] || fail "the overworld shows $lit cells, not the 37 of radius 3"

# Six steps east and one south-east: the village's entrance, named when stepped on.
for _ in 1 2 3 4 5 6; do send Right; done
send NPage
wait_for 'Деревня "Мухоморово"'
[ "$(cell 11 21)" = "@" ] || fail "the hero is not at (11, 21)"
[ -f "$WORK/Save/Lev1_100.lev" ] && fail "a level file before any level was left"

send '>'
settle
[ "$(cell 7 38)" = "@" ] || fail "the hero did not arrive at the village gate (7, 38)"
[ -f "$WORK/Save/Lev1_100.lev" ] || fail "the overworld was not written when left"

# The gate: leaving asks first, and writes the village.
send Down
wait_for "Покинуть эту локацию?"
send y
settle
[ -f "$WORK/Save/Lev1_1.lev" ] || fail "leaving the village did not write Save/Lev1_1.lev"
[ "$(cell 11 21)" = "@" ] || fail "the hero did not come back to the village's entrance"

send C-q
sleep 0.5
echo "world terminal: ok"
