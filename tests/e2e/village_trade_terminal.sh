#!/usr/bin/env bash
# A new game in a real terminal: into the village, along the road to Тазар's shop, a talk with
# him, an item taken from the shelves and paid for, and one of the hero's own sold, with the money
# label following each deal.
source "$(dirname "$0")/lib.sh"

start_game --seed 11 --hero 1,1,1,0
wait_for "Деньги:"

# Map row y is screen line 5 + y, column x is screen column 1 + x.
cell() { screen | sed -n "$(($2 + 5))p" | cut -c"$(($1 + 1))"; }
money() { screen | grep -o 'Деньги: *[0-9]*\$' | grep -o '[0-9]*' | head -1; }
hero_at() { [ "$(cell "$1" "$2")" = "@" ]; }

# One step; a villager in the way is not attacked ("n") and the step is tried again later.
step() {
  local key=$1
  for _ in 1 2 3 4 5 6 7 8; do
    local before
    before=$(screen | sed -n '5,44p' | cut -c1-80)
    send "$key"
    if screen | grep -qF "ударишь"; then
      send n
      send Space
      sleep 0.3
      continue
    fi
    [ "$before" != "$(screen | sed -n '5,44p' | cut -c1-80)" ] && return 0
  done
}
walk() { for _ in $(seq 1 "$2"); do step "$1"; done; }

for _ in 1 2 3 4 5 6; do send Right; done
send NPage
send '>'
settle
hero_at 7 38 || fail "the hero did not arrive at the village gate"

# North up the road to the crossing, east along it to the shop's lane, north to its door.
walk Up 23
hero_at 7 15 || fail "the hero did not reach the crossing"
walk Right 26
hero_at 33 15 || fail "the hero did not reach the shop's lane"
walk Up 9
wait_for "Добро пожаловать в мою лавку"
hero_at 33 6 || fail "the hero is not inside the shop"

send Down
send Down
screen | sed -n 1,12p
send I
screen | sed -n 5,30p
