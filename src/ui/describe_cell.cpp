#include "ui/describe_cell.hpp"

#include <string>

#include "engine/message_line.hpp"
#include "model/type_info.hpp"
#include "field/field.hpp"
#include "field/sight.hpp"
#include "base/byte_record.hpp"
#include "model/game.hpp"
#include "records/text_table.hpp"

namespace zaldrun {

void DescribeCell(Game& game, int x, int y) {
  if (!Level::Inside(x, y)) return;
  SelMove(game, x, y, kCursorGlyph, kCursorColour);
  const MapCell& cell = game.world.level.Cell(x, y);
  const int slot = cell.monster;
  if (slot >= 1 && slot <= game.world.level.monster_count &&
      SeePlayer(game, game.world.hero.x, game.world.hero.y, x, y, game.world.hero.sight_radius)) {
    const MonsterRecord& monster = game.world.level.Monster(slot);
    const std::string name(TrimRight(MonsterTypeName(game, monster.type, 1)));
    ShowMessage(game, name + (monster.peaceful != 0 ? " (Мирный)." : "."), msg::kNoLog);
  }
  if (cell.seen != 0) {
    if (cell.feature > 0) {
      ShowMessage(game, FetchText(text_ids::kFeatureBase + cell.feature), msg::kNoLog);
    }
    const int letter = static_cast<unsigned char>(game.world.level.Terrain(x, y));
    ShowMessage(game, FetchText(text_ids::kFeatureBase + letter), msg::kNoLog);
  } else {
    ShowMessage(game, "Неизвесто.", msg::kNoLog);
  }
}

}  // namespace zaldrun
