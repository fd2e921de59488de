// What the hero would tell a player who cannot see the map: where he is, how he is, who he sees
// and what lies under his feet, in Russian words to be spoken.
#pragma once

#include <string>

namespace zaldrun {

struct Game;

// "Катакомбы, уровень 2. Здоровье 15 из 34. Не голоден. Крыса, два шага на север. ..."
std::string DescribeSurroundings(const Game& game);

// The way to a cell at (dx, dy) from the hero, north up: "два шага на север"; "здесь" for none.
std::string WayWords(int dx, int dy);
// A whole number from 1 to 999 in words, masculine: "двадцать один".
std::string NumberWords(int n);

}  // namespace zaldrun
