// The timed effects that item effects and monster actions schedule, each undoing its change when
// its countdown runs out, and the attribute setter they share.
#pragma once

namespace zaldrun {

struct Game;

// Sets attribute `attribute`'s current value to `value` through its temporary modifier; derived
// figures follow (strength also the burden and the hands).
void SetAttributeValue(Game& game, int attribute, int value);
// Sums the attribute's parts again after one of them changed; derived figures follow.
void ReapplyAttribute(Game& game, int attribute);

// The one-shot handlers: each does its effect and removes its own slot, stepping the current slot
// back so that the turn cycle's next step lands on the slot that moved into its place. The
// parameter is the amount to undo (attribute effects: attribute + 10 × amount).
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
