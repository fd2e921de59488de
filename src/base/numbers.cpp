#include "base/numbers.hpp"

#include <algorithm>
#include <cmath>

namespace zaldrun {

uint8_t Distance(int x1, int y1, int x2, int y2) {
  const long long dx = x2 - x1;
  const long long dy = y2 - y1;
  const long long square = dx * dx + dy * dy;
  // The root of a whole number never ends in exactly .5, so rounding half to even is rounding to
  // the nearest: up when the square lies above r² + r, the square of r + ½ less a quarter.
  long long root = static_cast<long long>(std::sqrt(static_cast<double>(square)));
  while (root * root > square) --root;
  while ((root + 1) * (root + 1) <= square) ++root;
  if (square > root * root + root) ++root;
  return static_cast<uint8_t>(std::min(255LL, root));
}

double RoundHalfEven(double value) {
  const double rounded = std::round(value);
  if (std::fabs(value - std::trunc(value)) == 0.5) return 2.0 * std::round(value / 2.0);
  return rounded;
}

}  // namespace zaldrun
