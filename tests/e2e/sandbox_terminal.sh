#!/usr/bin/env bash
# The sandbox level in a real terminal: walking, walls, doors, searching. Looking at cells:
# ui/commands_test.cpp.
source "$(dirname "$0")/lib.sh"

MAP=$(room_map AAAAAAAAAAAA ACCCCCCCCCCA 'AC@CCCCC+CCA' ACCCCCCCAAAA 'AAAAAAA*AAAA')

start_game --seed 7 --map "$MAP"
wait_for "HP:"
wait_for "УРОВЕНЬ"

# A wall: refused, not logged, no time.
send Up
send Up
wait_for "Ты не можешь туда идти."

# Walking into the closed door opens it; o and a direction closes it.
send Down
for _ in 1 2 3 4 5; do send Right; done
send Right
wait_for "Ты открыл дверь."
send o Right
wait_for "Ты закрыл дверь."

# Searching next to the secret door below finds it sooner or later.
send Down
found=0
for _ in $(seq 1 80); do
  send s
  if screen | grep -qF "Ты нашёл секретную дверь!"; then found=1; break; fi
done
[ "$found" -eq 1 ] || fail "the secret door was never found"
send Space

send C-q
sleep 0.5
log=$(log_text)
grep -qF "Ты открыл дверь." <<<"$log" || fail "the log lacks the door"
grep -qF "Ты нашёл секретную дверь!" <<<"$log" || fail "the log lacks the find"
if grep -qF "Ты не можешь туда идти." <<<"$log"; then fail "the wall refusal was logged"; fi
echo "sandbox terminal: ok"
