// Talking to whoever stands on a cell: the talk handler named in the creature's type answers.
#pragma once

#include "base/registry.hpp"

namespace zaldrun {

struct Game;

// A talk handler: the creature in `slot` answers the hero.
using TalkHandler = void (*)(Game& game, int slot);

// The talk handlers by the names the monster types use (records/handler_names lists them).
const Registry<TalkHandler>& TalkRegistry();

// The talk command at (x, y): "А тут никого нету." on an empty cell; a creature without an answer
// (a blank or unknown handler name, or "NoAns") gives "И молчание было тебе ответом...". Talking
// to a creature takes 2000 time units whether it answers or not.
void Talk(Game& game, int x, int y);

}  // namespace zaldrun
