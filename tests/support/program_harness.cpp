#include "support/program_harness.hpp"

namespace zaldrun::testing {

ProgramHarness::ProgramHarness() : screen_(frontend_), window_(game_, screen_) {
  game_.folder = folder_.path();
  game_.io = &screen_;
}

int ProgramHarness::Run(uint64_t seed) {
  try {
    return window_.Run(seed);
  } catch (const platform::InputEnded&) {
    return -1;
  }
}

bool ProgramHarness::ScreenHas(std::string_view text) const {
  return ScreenText().find(text) != std::string::npos;
}

}  // namespace zaldrun::testing
