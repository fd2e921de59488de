// The handler names a monster type record carries, checked against the registries: the behaviour
// must be a monster behaviour, the talk handler a talk handler of the event registry (or silence).
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "state/monster_record.hpp"

namespace zaldrun {

// Faults of the record's behaviour and talk handler names, by the fields "behaviour" and "talk".
std::vector<MonsterRecordFault> CheckMonsterHandlerNames(const MonsterTypeRecord& record);

// True for the talk names of a creature that does not answer: blank and "NoAns".
bool IsSilentTalk(std::string_view name);

// The event registry's names that are talk handlers: called with the monster talked to.
std::span<const std::string_view> TalkHandlerNames();

}  // namespace zaldrun
