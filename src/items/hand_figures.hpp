// The hand figures: what the hero strikes and shoots with, set up from the weapons in slots 6 and
// 7, the launcher and ammunition in slots 12 and 13, the strength and the weapon skills.
#pragma once

namespace zaldrun {

struct Game;
struct ItemRecord;

// Sets up the whole attack profile again from the equipment: the right hand from slot 6 (bare
// hands when it holds no weapon), the left hand from a weapon in slot 7, the missiles from the
// ammunition in slot 13 (shot from the launcher in slot 12, or thrown). Called whenever a hand's
// item, the strength or a weapon skill changes.
void RebuildHands(Game& game);

// After the strength changed (RecomputeDerived of attribute 0, which the engine does without
// knowing the items): the burden is weighed against the new capacity and the hands' damage set up
// with the new strength factor. Every change of strength above the engine calls it.
void StrengthChanged(Game& game);

// True when something can be shot or thrown: ammunition is ready, with its launcher where it
// needs one.
bool MissileReady(const Game& game);

// The launcher figure L of a launcher: its record's figure by its material plus its second bonus,
// scaled by its blessing when it helps. Shots do (L / 100 + 1) times their ammunition's damage.
int LauncherFigure(Game& game, const ItemRecord& launcher);

// Bare hands: the damage of a blow without a weapon follows the strength (low Round(strength / 20),
// the mark combat knows a bare-handed blow by).
int BareHandLow(int strength);
int BareHandHigh(int strength);

}  // namespace zaldrun
