// The monsters' special actions: throws and shots, drinking, breath, acid, gazes, spell missiles,
// spells on allies and on the hero, summons and the blink; and when each may be chosen.
#pragma once

namespace zaldrun {

struct Game;
struct MonsterRecord;
class MonsterSight;

// Whether the special action `code` (8..10, 13, 21 and up; the summons are the behaviours') with
// its entry's limit may be chosen now. False for codes that are not special actions.
bool SpecialApplicable(Game& game, int slot, int code, int limit, const MonsterSight& sight);

// Performs the special action `code` of the monster in `slot`, with its murmur, animation,
// messages and cost. False, with nothing done, for a code that is not a special action.
bool DoSpecialAction(Game& game, int code, int slot);

// The spells of codes 30..38, 41 and 42 (monster_spells.cpp).
bool DoSpell(Game& game, int code, int slot, const MonsterSight& sight);

}  // namespace zaldrun
