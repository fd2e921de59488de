// The handler names a monster type record carries, checked against the handler names: the behaviour
// must be a monster behaviour, the talk handler a talk handler (or silence).
#pragma once

#include <string_view>
#include <vector>

#include "records/monster_record.hpp"

namespace zaldrun {

// Faults of the record's behaviour and talk handler names, by the fields "behaviour" and "talk".
std::vector<MonsterRecordFault> CheckMonsterHandlerNames(const MonsterTypeRecord& record);

// True for the talk names of a creature that does not answer: blank and "NoAns".
bool IsSilentTalk(std::string_view name);

}  // namespace zaldrun
