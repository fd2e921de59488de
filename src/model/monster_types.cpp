#include "model/monster_types.hpp"

#include "base/file_io.hpp"
#include "model/game.hpp"
#include "records/monster_type_table.hpp"

namespace zaldrun {

namespace {

// Far more than the file can be; a bigger file is refused unread.
constexpr size_t kMaxFileBytes = 1u << 20;

}  // namespace

bool InitMonsterTable(Game& game, std::string* error) {
  game.world.kill_counts.fill(0);
  MonsterData& data = game.data.monsters;
  data.current = MonsterTypeRecord{};
  data.current_type = 0;
  if (data.loaded) return true;
  game.data.behaviours = ResolvedBehaviours{};  // resolved again from the records read now
  std::string read_error;
  const auto bytes =
      ReadWholeFile(game.session.DataFolder() / std::string(kMonstersFileName), kMaxFileBytes, &read_error);
  std::string fault;
  if (!bytes) {
    fault = "Не удалось загрузить " + std::string(kMonstersFileName) + ": " + read_error;
  } else {
    fault = DecodeMonstersFile(*bytes, &data.records);
    data.loaded = fault.empty();
  }
  if (fault.empty()) return true;
  if (error) *error = fault;
  return false;
}

bool LoadMonsterType(Game& game, int type) {
  const MonsterTypeRecord* record = FindMonsterType(game, type);
  if (record == nullptr) return false;
  game.data.monsters.current = *record;
  game.data.monsters.current_type = static_cast<int16_t>(type);
  return true;
}

}  // namespace zaldrun
