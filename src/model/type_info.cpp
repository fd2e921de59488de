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
  const MonsterTypeRecord* record = FindMonsterType(game, type);
  if (record == nullptr) return std::string();
  switch (form) {
    case 2:
      return record->name_object;
    case 3:
      return record->name_dative;
    case 4:
      return record->name_instrumental;
    default:
      return record->name;
  }
}

int32_t MonsterFlags(const Game& game, int type) {
  const MonsterTypeRecord* record = FindMonsterType(game, type);
  return record == nullptr ? 0 : record->flags;
}

}  // namespace zaldrun
