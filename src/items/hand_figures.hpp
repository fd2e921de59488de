// The hand figures: what the hero strikes and shoots with, set up from the weapons in slots 6 and
// 7, the launcher and ammunition in slots 12 and 13, the strength and the weapon skills.
#pragma once

namespace zaldrun {

struct Game;
struct ItemRecord;

// Sets up the whole attack profile again from the equipment: the right hand from slot 6 (bare
// hands when it holds no weapon), the left hand from a weapon in slot 7, the missiles from the
// ammunition in slot 13 (shot from the launcher in slot 12, or thrown). Called whenever a hand's
// item, the strength or a weapon skill changes. A blessing still glowing (its pending "UnBless")
// keeps its to-hit on every hand through the rebuild.
void RebuildHands(Game& game);

// Practice with a weapon: the skill grows by a fraction of one use's worth, and a new whole level
// reaches the blows at once.
void TrainWeaponSkill(Game& game, int skill, double fraction);

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
