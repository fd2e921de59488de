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
  MonsterData& data = game.data.monsters;
  if (!data.loaded || type < 1 || type > kMonsterTypeCount) return false;
  data.current = data.records[static_cast<size_t>(type)];
  data.current_type = static_cast<int16_t>(type);
  return true;
}

}  // namespace zaldrun
