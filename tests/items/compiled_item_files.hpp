// The item data files compiled from data/ once per test run, for the game-side tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zaldrun::testing {

// The bytes of Items.dat and Affixes.dat as the compiler makes them from data/; empty, with the
// compiler's errors in `errors`, when the sources do not compile.
const std::vector<uint8_t>& CompiledItemsFile(std::string* errors = nullptr);
const std::vector<uint8_t>& CompiledAffixesFile(std::string* errors = nullptr);

}  // namespace zaldrun::testing
