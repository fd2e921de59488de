#!/usr/bin/env bash
# A new game in a real terminal: into the village, along the road to Тазар's shop, a talk with
# him, the hero's healing potion sold for a quarter of its value, an item taken from the shelves and
# paid for, with the money label following each deal.
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
  return 0  # a wall: the walk goes on with the next step
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
messages() { screen | sed -n 2,4p | tr -d '\n'; }
# The price in "(N$)" on the message line.
price() { messages | { grep -o '([0-9]*\$)' || true; } | tail -1 | tr -d '()$'; }

send C
send Left
wait_for 'Тазар говорит: "Если у тебя есть деньги, лучше потратить их здесь!"'

# Selling: the potion goes for a quarter of its value and lies on the shop's floor at full price.
before=$(money)
send d
wait_for "Зелье Лечения"
send Enter
wait_for "Я заплачу за эту вещь"
offer=$(messages | grep -o 'вещь [0-9]*' | grep -o '[0-9]*')
send y
[ "$(money)" -eq $((before + offer)) ] || fail "selling for $offer$ left $(money)$ of $before$"

# Buying: along the shelves to the first thing the purse can pay for.
bought=""
for row in Up Up Up; do
  send "$row"
  for _ in $(seq 1 10); do
    p=$(price)
    if [ -n "$p" ] && messages | grep -q "Здесь лежит" && [ "$p" -le "$(money)" ]; then
      bought=$p
      break 2
    fi
    send Right
  done
done
[ -n "$bought" ] || fail "nothing on the shelves the hero could pay for"
before=$(money)
send ','
wait_for "Ты поднял"
settle
[ "$(money)" -eq "$before" ] || fail "picking goods up took money"

# To the keeper, who now waits in the doorway at (33, 7), and pay him.
walk Down 3
hero_x=$(screen | sed -n 11p | cut -c1-80 | grep -o '^.*@' | wc -m)
hero_x=$((hero_x - 2))
while [ "$hero_x" -gt 33 ]; do send Left; hero_x=$((hero_x - 1)); done
while [ "$hero_x" -lt 33 ]; do send Right; hero_x=$((hero_x + 1)); done
[ "$(cell 33 7)" = "@" ] || fail "the keeper is not in his doorway"
send C
send Down
wait_for "Ты набрал вещей на сумму $bought\$. Будешь покупать?"
send y
wait_for "Спасибо за покупку!"
[ "$(money)" -eq $((before - bought)) ] || fail "paying $bought$ of $before$ left $(money)$"
log_text | grep -qF "Тазар говорит: \"Спасибо за покупку!\"" || fail "the purchase is not in Messages.log"

send C-q
sleep 0.5
echo "village trade terminal: ok"
