// Harm done to a monster by anything (the hero's blows and shots, bolts, traps, items), and its
// death: the kill, the experience, the loot and its removal from the level.
#pragma once

namespace zaldrun {

struct Game;

// Takes `damage` (below 0 counts as 0) from the monster in `slot`. A monster hurt by the hero and
// seeing him turns hostile and wakes; with `notice`, a harmless attack it sees is shrugged off
// aloud. At 0 hit points it dies: a conjured creature evaporates and leaves nothing, any other
// drops its loot; a kill by the hero counts for its type and brings its experience; the later
// slots move down. Returns true when the monster died.
bool DamageMonster(Game& game, int slot, int damage, bool notice, bool by_hero);

// The creation flag of a creature conjured by magic: it vanishes when it dies.
inline constexpr int kConjured = 1;

}  // namespace zaldrun
