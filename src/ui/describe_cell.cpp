#include "ui/describe_cell.hpp"

#include <string>

#include "base/byte_record.hpp"
#include "engine/message_line.hpp"
#include "field/field.hpp"
#include "field/sight.hpp"
#include "items/item_names.hpp"
#include "model/game.hpp"
#include "model/type_info.hpp"
#include "records/text_table.hpp"

namespace zaldrun {
namespace {

constexpr int kAwake = -1;  // a creature's state once it has woken

// How hurt a creature looks, by the share of its hit points left.
const char* Wounds(const MonsterRecord& monster) {
  if (monster.max_hp <= 0 || monster.hp >= monster.max_hp) return "Ран нет";
  const int percent = monster.hp * 100 / monster.max_hp;
  if (percent >= 70) return "Раны лёгкие";
  if (percent >= 40) return "Раны серьёзные";
  if (percent >= 15) return "Раны тяжёлые";
  return "При смерти";
}

std::string CreatureText(const Game& game, const MonsterRecord& monster) {
  const std::string name(TrimRight(MonsterTypeName(game, monster.type, 1)));
  std::string text = name + (monster.peaceful != 0 ? " (Мирный)." : ".");
  text += std::string(" ") + Wounds(monster);
  text += monster.state == kAwake ? ", не спит" : ", спит";
  if (monster.peaceful == 0) text += ", враг";
  return text + ".";
}

// The item lying on the cell, or the first of a heap.
std::string ItemText(const Game& game, const MapCell& cell) {
  if (cell.item > kLooseItemBase && cell.item - kLooseItemBase <= kLooseItems) {
    const ItemRecord& item =
        game.world.level.loose_items[static_cast<size_t>(cell.item - kLooseItemBase)];
    return "Лежит: " + ItemName(game, item) + ".";
  }
  if (cell.item >= 1 && cell.item < kPileCount) {
    const PileRecord& pile = game.world.piles[static_cast<size_t>(cell.item)];
    for (const auto& group : pile.groups) {
      if (group.empty()) continue;
      return "Лежит: " + ItemName(game, group.front()) + (pile.count > 1 ? " и другое." : ".");
    }
  }
  return std::string();
}

void Append(std::string& text, const std::string& sentence) {
  if (sentence.empty()) return;
  if (!text.empty()) text += " ";
  text += sentence;
}

}  // namespace

std::string CellDescription(const Game& game, int x, int y) {
  if (!Level::Inside(x, y)) return std::string();
  std::string text;
  const MapCell& cell = game.world.level.Cell(x, y);
  const Hero& hero = game.world.hero;
  const int slot = cell.monster;
  if (slot >= 1 && slot <= game.world.level.monster_count &&
      SeePlayer(game, hero.x, hero.y, x, y, hero.sight_radius)) {
    Append(text, CreatureText(game, game.world.level.Monster(slot)));
  }
  if (cell.seen == 0) {
    Append(text, "Неизвесто.");
    return text;
  }
  Append(text, ItemText(game, cell));
  if (cell.feature > 0) Append(text, FetchText(text_ids::kFeatureBase + cell.feature));
  const int letter = static_cast<unsigned char>(game.world.level.Terrain(x, y));
  Append(text, FetchText(text_ids::kFeatureBase + letter));
  return text;
}

void DescribeCell(Game& game, int x, int y) {
  if (!Level::Inside(x, y)) return;
  SelMove(game, x, y, kCursorGlyph, kCursorColour);
  ShowMessage(game, CellDescription(game, x, y), msg::kNoLog);
}

}  // namespace zaldrun
