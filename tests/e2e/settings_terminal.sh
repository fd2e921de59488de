#!/usr/bin/env bash
# The main window in a real terminal: the menu opens the settings window, a new binding and the
# any-key option are written to Zaldrun.ini. The about window: ui/main_window_test.cpp.
source "$(dirname "$0")/lib.sh"

start_game --seed 1
wait_for "Начать Игру"
wait_for "Залдрун"
wait_for "УРОВЕНЬ"
[ -f "$WORK/Zaldrun.ini" ] || fail "no Zaldrun.ini after start-up"

# The menu: F10, Right to "Настройки", Enter.
send F10 Right Enter
wait_for "Прокрутка сообщений любой кнопкой"
wait_for "Задержка полёта объекта (мс/клетка)"

# Bind "Бросить на пол" (slot 2) to e: it swaps with "Есть пищу".
send Down Enter e
# The check box: from slot 2 down past the other 30 slots.
for _ in $(seq 1 30); do send Down; done
send Space
# Past the speech box, the delay box and the font to OK.
send Down
send Down Down Down Enter
sleep 0.3
settings=$(iconv -f CP1251 -t UTF-8 "$WORK/Zaldrun.ini")
grep -q "^Drop=101" <<<"$settings" || fail "Drop was not bound to e: $settings"
grep -q "^Eat=100" <<<"$settings" || fail "Eat did not take d"
grep -q "^FastMore=1" <<<"$settings" || fail "the option was not written"
grep -q "^Name=Вася" <<<"$settings" || fail "the character section was lost"

send C-q
echo "settings terminal: ok"
