// Level files: any bytes are either refused with a message, leaving the level as it was, or read
// into a level that writes back to exactly the same bytes.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "model/game.hpp"
#include "world/level_file.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static auto game = std::make_unique<zaldrun::Game>();
  const std::vector<uint8_t> before = zaldrun::EncodeLevel(*game);
  const std::string fault = zaldrun::DecodeLevel(*game, std::span<const uint8_t>(data, size));
  if (fault.empty()) {
    if (zaldrun::EncodeLevel(*game) != std::vector<uint8_t>(data, data + size)) __builtin_trap();
  } else if (zaldrun::EncodeLevel(*game) != before) {
    __builtin_trap();
  }
  return 0;
}
