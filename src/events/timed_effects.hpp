// The timed effects that item effects and monster actions schedule, each undoing its change when
// its countdown runs out.
#pragma once

namespace zaldrun {

struct Game;

// The one-shot handlers: each does its effect and removes its own slot, stepping the current slot
// back so that the turn cycle's next step lands on the slot that moved into its place. The
// parameter is the amount to undo (attribute effects: attribute + 10 × amount). A raise is the
// hero's own for good; a drain is kept apart so that a recovery can give it back.
void RaiseAtr(Game& game);
void DrainAtr(Game& game);
void DamageAtr(Game& game);
void Rvota(Game& game);
void RemConfuse(Game& game);
void RemWeak(Game& game);
void RemSpeed(Game& game);
void RemParIm(Game& game);
void RemFireRes(Game& game);
void RemColdRes(Game& game);
void SoftSkin(Game& game);
void UnBless(Game& game);

}  // namespace zaldrun
