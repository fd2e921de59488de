// Traps under the hero's and the monsters' feet, and rocks that fall from the ceiling.
#pragma once

namespace zaldrun {

struct Game;

// The trap on (x, y) springs under whoever stands there: the hero or the monster on that cell. The
// trap's kind is the cell's first feature parameter. A monster whose type avoids traps sets off
// none.
void TrapAt(Game& game, int x, int y);

// A rock (size 1) or a heavy brick (larger sizes) falls on (x, y), on the hero or a monster there.
void RockFall(Game& game, int x, int y, int size);

// A monster's step to (x, y): it moves there and a trap there springs, seen or only heard.
void StepMonster(Game& game, int slot, int x, int y);

// Trap kinds, as the level builder places them.
namespace trap_kind {
inline constexpr int kFire = 1;
inline constexpr int kFireColumn = 2;
inline constexpr int kRocksRow = 6;
inline constexpr int kRocksColumn = 7;
inline constexpr int kTeleport = 11;
inline constexpr int kDart = 12;
inline constexpr int kSpears = 16;
inline constexpr int kPoisonGas = 21;
inline constexpr int kRake = 31;
}  // namespace trap_kind

}  // namespace zaldrun
