#include "ui/surroundings.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <vector>

#include "base/byte_record.hpp"
#include "field/sight.hpp"
#include "items/item_names.hpp"
#include "levelgen/place_names.hpp"
#include "levelgen/places.hpp"
#include "model/game.hpp"
#include "model/type_info.hpp"
#include "world/sandbox.hpp"

namespace zaldrun {
namespace {

// At most this many things underfoot are named; the rest are counted.
constexpr size_t kItemsNamed = 4;

constexpr std::array<const char*, 10> kUnits = {"",      "один",  "два",    "три",    "четыре",
                                                "пять",  "шесть", "семь",   "восемь", "девять"};
constexpr std::array<const char*, 10> kTeens = {
    "десять",     "одиннадцать", "двенадцать",  "тринадцать",   "четырнадцать",
    "пятнадцать", "шестнадцать", "семнадцать", "восемнадцать", "девятнадцать"};
constexpr std::array<const char*, 10> kTens = {"",          "",         "двадцать",  "тридцать",
                                               "сорок",     "пятьдесят", "шестьдесят",
                                               "семьдесят", "восемьдесят", "девяносто"};
constexpr std::array<const char*, 10> kHundreds = {
    "",         "сто",       "двести",   "триста",    "четыреста",
    "пятьсот", "шестьсот", "семьсот", "восемьсот", "девятьсот"};

// Counter-clockwise from the east, as the angle grows with north up.
constexpr std::array<const char*, 8> kDirections = {
    "восток", "северо-восток", "север", "северо-запад", "запад", "юго-запад", "юг", "юго-восток"};

// The form of a noun after a number: one (шаг), a few (шага), many (шагов).
const char* CountedForm(int n, const char* one, const char* few, const char* many) {
  const int last_two = n % 100;
  if (last_two >= 11 && last_two <= 14) return many;
  if (n % 10 == 1) return one;
  if (n % 10 >= 2 && n % 10 <= 4) return few;
  return many;
}

std::string HungerWords(const Game& game) {
  const StatusLabels& labels = game.view.labels;
  return labels.hunger_visible ? labels.hunger_text : "Не голоден";
}

struct SeenMonster {
  int distance;
  std::string words;
};

// The monsters the hero sees, nearest first: "крыса, два шага на север".
std::vector<std::string> MonsterWords(const Game& game) {
  const Hero& hero = game.world.hero;
  const Level& level = game.world.level;
  const int radius = HeroSightRadius(game);
  std::vector<SeenMonster> seen;
  for (int slot = 1; slot <= level.monster_count; ++slot) {
    const MonsterRecord& monster = level.Monster(slot);
    if (!SeePlayer(game, hero.x, hero.y, monster.x, monster.y, radius)) continue;
    const int dx = monster.x - hero.x;
    const int dy = monster.y - hero.y;
    std::string words(TrimRight(MonsterTypeName(game, monster.type, 1)));
    if (monster.peaceful != 0) words += " (мирный)";
    words += ", " + WayWords(dx, dy);
    seen.push_back({std::max(std::abs(dx), std::abs(dy)), std::move(words)});
  }
  std::stable_sort(seen.begin(), seen.end(),
                   [](const SeenMonster& a, const SeenMonster& b) { return a.distance < b.distance; });
  std::vector<std::string> words;
  for (SeenMonster& monster : seen) words.push_back(std::move(monster.words));
  return words;
}

// The names of what lies on the hero's cell: a loose item, or the items of a heap.
std::vector<std::string> ItemsUnderfoot(const Game& game) {
  const Hero& hero = game.world.hero;
  const int reference = game.world.level.Cell(hero.x, hero.y).item;
  std::vector<std::string> names;
  if (reference > kLooseItemBase && reference - kLooseItemBase <= kLooseItems) {
    names.push_back(ItemName(
        game, game.world.level.loose_items[static_cast<size_t>(reference - kLooseItemBase)]));
  } else if (reference >= 1 && reference < kPileCount) {
    for (const auto& group : game.world.piles[static_cast<size_t>(reference)].groups) {
      for (const ItemRecord& item : group) names.push_back(ItemName(game, item));
    }
  }
  return names;
}

std::string Joined(const std::vector<std::string>& parts, const char* separator) {
  std::string text;
  for (const std::string& part : parts) text += (text.empty() ? "" : separator) + part;
  return text;
}

std::string UnderfootWords(const Game& game) {
  std::vector<std::string> names = ItemsUnderfoot(game);
  if (names.empty()) return "";
  const size_t more = names.size() > kItemsNamed ? names.size() - kItemsNamed : 0;
  names.resize(std::min(names.size(), kItemsNamed));
  std::string text = "Под ногами: " + Joined(names, ", ");
  if (more > 0) {
    const int n = static_cast<int>(more);
    text += " и ещё " + NumberWords(n) + " " + CountedForm(n, "вещь", "вещи", "вещей");
  }
  return text + ".";
}

}  // namespace

std::string NumberWords(int n) {
  n = std::clamp(n, 1, 999);
  std::vector<std::string> words;
  if (n >= 100) words.emplace_back(kHundreds[static_cast<size_t>(n / 100)]);
  const int rest = n % 100;
  if (rest >= 10 && rest < 20) {
    words.emplace_back(kTeens[static_cast<size_t>(rest - 10)]);
  } else {
    if (rest >= 20) words.emplace_back(kTens[static_cast<size_t>(rest / 10)]);
    if (rest % 10 != 0) words.emplace_back(kUnits[static_cast<size_t>(rest % 10)]);
  }
  return Joined(words, " ");
}

std::string WayWords(int dx, int dy) {
  const int steps = std::max(std::abs(dx), std::abs(dy));
  if (steps == 0) return "здесь";
  // Screen rows grow southwards: north is -dy.
  const double turns = std::atan2(-dy, dx) / (std::numbers::pi / 4);
  const int octant = (static_cast<int>(std::lround(turns)) + 8) % 8;
  return NumberWords(steps) + " " + CountedForm(steps, "шаг", "шага", "шагов") + " на " +
         kDirections[static_cast<size_t>(octant)];
}

std::string DescribeSurroundings(const Game& game) {
  const Hero& hero = game.world.hero;
  std::string text = PlaceName(game.world.current_place, game.world.current_level) + ". ";
  text += "Здоровье " + std::to_string(hero.hp) + " из " + std::to_string(hero.max_hp) + ". ";
  const std::string hunger = HungerWords(game);
  text += hunger.ends_with('!') ? hunger : hunger + ".";
  const std::vector<std::string> monsters = MonsterWords(game);
  text += monsters.empty() ? " Никого не видно." : " " + Joined(monsters, "; ") + ".";
  const std::string underfoot = UnderfootWords(game);
  if (!underfoot.empty()) text += " " + underfoot;
  return text;
}

}  // namespace zaldrun
