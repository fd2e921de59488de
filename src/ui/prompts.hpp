// The prompts that take the key after a command: the kick direction, the open/talk/zap direction
// and the cursor of look, read-at, zap-at and shoot. Each runs until it has its key.
#pragma once

#include <optional>

#include "platform/key.hpp"

namespace zaldrun {

struct Game;

struct Offset {
  int dx;
  int dy;
};

// The offset of a direction key; the centre key (Clear) is (0, 0). Other keys: none.
std::optional<Offset> DirectionOf(int key_code);

void RunKickPrompt(Game& game);
// Open or close a door, open a chest, talk ("Chat") or aim a wand ("Zap"), by the pending
// operation.
void RunOpenPrompt(Game& game);
// The cursor starts where the game put it (SelMove); Enter or T confirms.
void RunCursorPrompt(Game& game);
// The direction of the next key, after a question the caller asked; "Странное направление."
// and nothing for another key.
std::optional<Offset> AskDirection(Game& game);

// Calls the effect handler of the item being used, by name: unaimed, or aimed by a direction
// (dx, dy) or at the hero's own cell.
void CallEffectHandler(Game& game, int aim_kind, int x, int y);

}  // namespace zaldrun
