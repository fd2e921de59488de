// Games the benchmarks and the instruction counter share: one with the build's data files loaded,
// and a crowded level of 300 monsters.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>

#include "model/game.hpp"

namespace zaldrun::bench {

// A game with the data files of the build loaded, `folder` as its program folder (created) and
// the generator seeded; nullptr when the data files are missing.
std::unique_ptr<Game> GameWithData(const std::filesystem::path& folder, uint32_t seed);

// An open level with the hero at the bottom and 300 big rats in the top rows, far enough that
// none reaches him within one turn; awake ones walk toward him, the others sleep.
std::unique_ptr<Game> CrowdedLevel(bool awake);

// One turn of the hero at speed 100: every monster of the level takes its turn.
void CrowdedTurn(Game& game);

}  // namespace zaldrun::bench
