#include "base/numbers.hpp"

#include <algorithm>
#include <cmath>

namespace zaldrun {

uint8_t Distance(int x1, int y1, int x2, int y2) {
  const double dx = x2 - x1;
  const double dy = y2 - y1;
  return static_cast<uint8_t>(std::min(255.0, RoundHalfEven(std::sqrt(dx * dx + dy * dy))));
}

double RoundHalfEven(double value) {
  const double rounded = std::round(value);
  if (std::fabs(value - std::trunc(value)) == 0.5) return 2.0 * std::round(value / 2.0);
  return rounded;
}

int16_t Clamp16(long long value) {
  return static_cast<int16_t>(std::clamp<long long>(value, INT16_MIN, INT16_MAX));
}

}  // namespace zaldrun
