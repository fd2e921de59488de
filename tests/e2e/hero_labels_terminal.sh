#!/usr/bin/env bash
# New heroes of several races and classes in the sandbox: the status labels show real figures,
# and a wounded hero's hit points come back while he waits.
source "$(dirname "$0")/lib.sh"

MAP=$(room_map AAAAAAA ACC@CCA AAAAAAA)

# The number before "(" on the row of a label.
label_value() {
  screen | grep -F -- "$1" | sed -E "s/.*$1 *([0-9-]+)\\(([0-9]+)\\).*/\\1 \\2/" | head -n 1
}

for hero in 1,1,1,0 2,2,3,1 4,3,2,3 5,4,1,0; do
  start_game --seed 3 --map "$MAP" --hero "$hero"
  wait_for "УРОВЕНЬ"
  read -r hp max <<<"$(label_value 'HP:')"
  [ -n "${max:-}" ] && [ "$hp" -eq "$max" ] && [ "$max" -gt 10 ] || fail "$hero: HP label '$hp($max)'"
  read -r pp ppmax <<<"$(label_value 'PP:')"
  [ -n "${ppmax:-}" ] && [ "$pp" -eq "$ppmax" ] || fail "$hero: PP label"
  read -r exp need <<<"$(label_value 'Exp:')"
  [ "${exp:-}" = 0 ] && [ "${need:-0}" -ge 126 ] || fail "$hero: Exp label '$exp($need)'"
  screen | grep -qE 'УРОВЕНЬ +1' || fail "$hero: level label"
  echo "$hero: HP $hp($max) PP $pp($ppmax) Exp $exp($need)"
  send C-q
done

# A troll barbarian regenerates one hit point every 60 time units.
start_game --seed 3 --map "$MAP" --hero 5,4,1,0 --hp 3
wait_for "УРОВЕНЬ"
read -r hp max <<<"$(label_value 'HP:')"
[ "$hp" -eq 3 ] || fail "the wounded hero starts with 3 hit points, not $hp"
for _ in $(seq 1 80); do send KP5; done
read -r hp max <<<"$(label_value 'HP:')"
[ "$hp" -gt 6 ] || fail "no regeneration while waiting: $hp($max)"
echo "after 80 waits: HP $hp($max)"
send C-q
echo "hero labels terminal: ok"
