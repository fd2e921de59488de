#include "records/monster_names_check.hpp"

#include <algorithm>
#include <string>

#include "base/byte_record.hpp"
#include "records/handler_names.hpp"

namespace zaldrun {

bool IsSilentTalk(std::string_view name) {
  const std::string_view trimmed = TrimRight(name);
  return trimmed.empty() || trimmed == kSilentTalk;
}

std::vector<MonsterRecordFault> CheckMonsterHandlerNames(const MonsterTypeRecord& record) {
  std::vector<MonsterRecordFault> faults;
  const std::string_view behaviour = TrimRight(record.behaviour);
  if (behaviour.empty()) {
    faults.push_back({"behaviour", "missing"});
  } else if (!ListsName(BehaviourNames(), behaviour)) {
    faults.push_back({"behaviour", "\"" + std::string(behaviour) + "\" is no monster behaviour"});
  }
  const std::string_view talk = TrimRight(record.talk);
  if (!IsSilentTalk(talk)) {
    if (!ListsName(TalkHandlerNames(), talk)) {
      faults.push_back({"talk", "\"" + std::string(talk) + "\" is no talk handler"});
    }
  }
  return faults;
}

}  // namespace zaldrun
