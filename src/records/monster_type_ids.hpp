// The monster types the game's own rules name: the village folk, the quests' creatures and a few
// that places and powers create. Numbers of Monsters.dat (data/monsters.toml).
#pragma once

namespace zaldrun::monster_type {

inline constexpr int kRat = 1;
inline constexpr int kGoblin = 8;
inline constexpr int kGoblinShaman = 9;
inline constexpr int kGoblinWarrior = 24;
inline constexpr int kHobgoblin = 75;
inline constexpr int kFrog = 27;    // the goblin bewitched by the witch
inline constexpr int kOldMan = 28;  // Чупакабра
inline constexpr int kGhost = 29;   // Чазор, what the old man becomes
inline constexpr int kFarmer = 30;
inline constexpr int kHealer = 31;
inline constexpr int kHunter = 32;
inline constexpr int kElder = 33;
inline constexpr int kGoblinChief = 41;
inline constexpr int kShopkeeper = 61;  // Тазар, the village's trader
inline constexpr int kWitch = 62;
inline constexpr int kTraveller = 63;
inline constexpr int kPeasant = 64;
inline constexpr int kTownShopkeeper = 65;
inline constexpr int kLandlord = 66;
inline constexpr int kPriest = 67;
inline constexpr int kArakus = 81;

}  // namespace zaldrun::monster_type
