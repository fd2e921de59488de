// The hero's vital numbers and their labels: hit points and death, power points, food and hunger,
// experience and new levels. Everything else changes these only through here.
#pragma once

#include <cstdint>

namespace zaldrun {

struct Game;

// Absorption takes from every loss, never turning it into a gain. Hit points at 0 or below kill.
void ChangeHP(Game& game, int delta);
// Power points stay within 0..maximum.
void ChangePP(Game& game, int delta);
// Food: hunger states with their labels, messages and speed penalties; -700 starves to death.
void ChangeSatiation(Game& game, int delta);
// Experience, scaled by the experience bonus; each level reached brings its rewards.
void GainExperience(Game& game, int32_t amount);

// The experience a level needs to reach the next one.
int32_t ExperienceNeed(const Game& game, int level);
// Writes every status label from the hero's numbers.
void UpdateHeroLabels(Game& game);

// Hunger thresholds of satiation.
inline constexpr int32_t kStarvedToDeath = -700;
inline constexpr int32_t kHungry = 1000;
inline constexpr int32_t kFull = 5000;
inline constexpr int32_t kOverfull = 6500;

// Reasons a game ends, as the character record tells them.
namespace end_reason {
inline constexpr uint8_t kQuit = 1;
inline constexpr uint8_t kKilled = 2;
inline constexpr uint8_t kPoison = 3;
inline constexpr uint8_t kCrimsonAura = 8;
inline constexpr uint8_t kStarved = 9;
}  // namespace end_reason

}  // namespace zaldrun
