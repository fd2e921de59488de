// Save files as they may be found in Save/: any bytes are taken as a sound save or refused with
// the fault, never trusted. A save read and written again must read back to the same bytes.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "world/save_file.hpp"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string fault;
  const auto image = zaldrun::DecodeSave(std::span<const uint8_t>(data, size), &fault);
  if (!image) {
    if (fault.empty()) __builtin_trap();
    return 0;
  }
  const std::vector<uint8_t> again = zaldrun::EncodeSave(*image);
  const auto reread = zaldrun::DecodeSave(again, &fault);
  if (!reread || zaldrun::EncodeSave(*reread) != again) __builtin_trap();
  return 0;
}
