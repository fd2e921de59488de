// Sandbox level files: any bytes give a level with one hero on it, or a message.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "world/sandbox.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string error;
  const auto level = zaldrun::ParseSandbox(
      std::string_view(reinterpret_cast<const char*>(data), size), "fuzz.txt", &error);
  if (level) {
    if (!zaldrun::Level::Inside(level->hero_x, level->hero_y)) __builtin_trap();
  } else if (error.empty()) {
    __builtin_trap();
  }
  return 0;
}
