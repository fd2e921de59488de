#include "support/program_harness.hpp"

namespace zaldrun::testing {

ProgramHarness::ProgramHarness() : screen_(frontend_), window_(game_, screen_) {
  game_.session.folder = folder_.path();
  game_.session.data_folder = ZALDRUN_BINARY_DIR;
  game_.session.io = &screen_;
}

int ProgramHarness::Run(uint64_t seed, const SandboxLevel* sandbox, const HeroChoice* hero) {
  try {
    return window_.Run(seed, sandbox, hero);
  } catch (const platform::InputEnded&) {
    return -1;
  }
}

int ProgramHarness::RunNewGame(const HeroChoice& hero, uint64_t seed) {
  NewGameStart start;
  start.hero = hero;
  try {
    return window_.Run(seed, nullptr, &hero, &start);
  } catch (const platform::InputEnded&) {
    return -1;
  }
}

bool ProgramHarness::ScreenHas(std::string_view text) const {
  return ScreenText().find(text) != std::string::npos;
}

}  // namespace zaldrun::testing
