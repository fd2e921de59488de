#include "creatures/monster_names_check.hpp"

#include <algorithm>
#include <string>

#include "creatures/behaviour_registry.hpp"
#include "events/event_registry.hpp"
#include "state/byte_record.hpp"

namespace zaldrun {

namespace {

// Timed-event handlers share the event registry with these, but a creature must not name one:
// they act on their event slot, not on the creature talked to. "ArakTalk" is such a scene.
constexpr std::string_view kTalkHandlers[] = {
    "Balbes", "Chukcha", "Dedok",   "Fermer", "Gobagoba", "Kornavin", "Kva",
    "Lekar",  "Muzhik",  "Ohotnik", "Priest", "Starosta", "Trader",
};

}  // namespace

bool IsSilentTalk(std::string_view name) {
  const std::string_view trimmed = TrimRight(name);
  return trimmed.empty() || trimmed == kSilentTalk;
}

std::span<const std::string_view> TalkHandlerNames() { return kTalkHandlers; }

std::vector<MonsterRecordFault> CheckMonsterHandlerNames(const MonsterTypeRecord& record) {
  std::vector<MonsterRecordFault> faults;
  const std::string_view behaviour = TrimRight(record.behaviour);
  if (behaviour.empty()) {
    faults.push_back({"behaviour", "missing"});
  } else if (!BehaviourRegistry().Contains(behaviour)) {
    faults.push_back({"behaviour", "\"" + std::string(behaviour) + "\" is no monster behaviour"});
  }
  const std::string_view talk = TrimRight(record.talk);
  if (!IsSilentTalk(talk)) {
    const bool is_talk = std::find(std::begin(kTalkHandlers), std::end(kTalkHandlers), talk) !=
                         std::end(kTalkHandlers);
    if (!is_talk || !EventRegistry().Contains(talk)) {
      faults.push_back({"talk", "\"" + std::string(talk) + "\" is no talk handler"});
    }
  }
  return faults;
}

}  // namespace zaldrun
