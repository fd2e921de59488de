#include "model/type_info.hpp"

#include "model/monster_types.hpp"
#include "model/game.hpp"
#include "records/item_record.hpp"

namespace zaldrun {

Glyph MonsterTypeGlyph(const Game&, int type) {
  const MonsterTypeEntry& entry = MonsterTypeConstants(type);
  return Glyph{entry.glyph, entry.colour};
}

// Before the item table is set up an item shows as a white '*'.
Glyph ItemTypeGlyph(const Game& game, int type) {
  if (type < 1 || type > kItemTypeCount) return Glyph{'*', 0xFFFFFF};
  const ItemType& entry = game.world.item_types[static_cast<size_t>(type)];
  if (entry.glyph == 0) return Glyph{'*', 0xFFFFFF};
  return Glyph{entry.glyph, entry.colour};
}

std::string MonsterTypeName(const Game& game, int type, int form) {
  const MonsterData& data = game.data.monsters;
  if (!data.loaded || type < 1 || type > kMonsterTypeCount) return std::string();
  const MonsterTypeRecord& record = data.records[static_cast<size_t>(type)];
  switch (form) {
    case 2:
      return record.name_object;
    case 3:
      return record.name_dative;
    case 4:
      return record.name_instrumental;
    default:
      return record.name;
  }
}

int32_t LoadMonsterFlags(Game& game, int type) {
  if (!LoadMonsterType(game, type)) return 0;
  return game.data.monsters.current.flags;
}

std::string CurrentBehaviour(const Game& game) { return game.data.monsters.current.behaviour; }

}  // namespace zaldrun
