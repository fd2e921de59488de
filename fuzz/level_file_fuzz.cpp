// Level files as they may be found in Save/: any bytes are read as a level or refused with a
// message. A level read back and written again must read back to the same bytes.
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
  const std::string error = zaldrun::DecodeLevel(*game, std::span<const uint8_t>(data, size));
  if (!error.empty()) return 0;
  const std::vector<uint8_t> again = zaldrun::EncodeLevel(*game);
  if (!zaldrun::DecodeLevel(*game, again).empty()) __builtin_trap();
  if (zaldrun::EncodeLevel(*game) != again) __builtin_trap();
  return 0;
}
