#include "quests/talk.hpp"

#include <string>

#include "base/byte_record.hpp"
#include "engine/dispatch.hpp"
#include "engine/message_line.hpp"
#include "engine/turn.hpp"
#include "model/game.hpp"
#include "records/monster_record.hpp"

namespace zaldrun {
namespace {

constexpr int kTalkCost = 2000;
constexpr std::string_view kSilence = "И молчание было тебе ответом...";

}  // namespace

void Talk(Game& game, int x, int y) {
  const int slot = Level::Inside(x, y) ? game.world.level.Cell(x, y).monster : 0;
  if (slot < 1 || slot > game.world.level.monster_count) {
    // Nobody to talk to: a slip of the key costs no time.
    ShowMessage(game, "А тут никого нету.");
    return;
  }
  const int type = game.world.level.Monster(slot).type;
  const MonsterData& data = game.data.monsters;
  const std::string_view name = data.loaded && type >= 1 && type <= kMonsterTypeCount
                                    ? TrimRight(data.records[static_cast<size_t>(type)].talk)
                                    : std::string_view();
  const auto* entry = name.empty() || name == kSilentTalk ? nullptr : TalkRegistry().Find(name);
  if (entry == nullptr || entry->fn == nullptr) {
    if (!name.empty() && name != kSilentTalk) {
      ReportOnce(game, "Нет обработчика разговора \"" + std::string(name) + "\".");
    }
    ShowMessage(game, kSilence);
  } else {
    game.control.current_slot = static_cast<int16_t>(slot);
    entry->fn(game, slot);
  }
  AdvanceTime(game, kTalkCost);
}

}  // namespace zaldrun
