// Rounding, clamping and distance as the game counts them.
#pragma once

#include <cstdint>

namespace zaldrun {

// The straight-line distance rounded to the nearest whole number (ties to even), capped at 255.
uint8_t Distance(int x1, int y1, int x2, int y2);

// Rounds to the nearest whole number with ties to even.
double RoundHalfEven(double value);
// Stores a wide value into a 16-bit field, clamping it into range.
inline int16_t Clamp16(long long value) {
  return static_cast<int16_t>(value < INT16_MIN ? INT16_MIN : value > INT16_MAX ? INT16_MAX : value);
}

}  // namespace zaldrun
