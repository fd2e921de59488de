// The one line-stepping rule shared by every sight line and sweep.
#pragma once

namespace zaldrun::sight_detail {

// Nearest whole number, ties to even, for |v| < 2^22: adding and taking away 1.5 * 2^23 leaves
// the float rounded by the hardware's default rounding.
inline int RoundEven(float v) {
  const float shifted = v + 12582912.0f;
  return static_cast<int>(shifted - 12582912.0f);
}

inline int Sign(int v) { return v > 0 ? 1 : (v < 0 ? -1 : 0); }

}  // namespace zaldrun::sight_detail

namespace zaldrun {

template <typename Visit>
void StepLine(int x1, int y1, int x2, int y2, Visit&& visit) {
  using sight_detail::RoundEven;
  using sight_detail::Sign;
  if (x1 == x2) {
    const int step = y1 == y2 ? 1 : Sign(y2 - y1);
    for (int y = y1;; y += step) {
      if (!visit(x1, y)) return;
      if (y == y2) return;
    }
  }
  const float s = static_cast<float>(y2 - y1) / static_cast<float>(x2 - x1);
  if (s > 1.0f || s < -1.0f) {
    const float inverse = 1.0f / s;
    const int step = Sign(y2 - y1);
    for (int y = y1;; y += step) {
      const int x = RoundEven(inverse * static_cast<float>(y - y1) + static_cast<float>(x1));
      if (!visit(x, y)) return;
      if (y == y2) return;
    }
  }
  const int step = Sign(x2 - x1);
  for (int x = x1;; x += step) {
    const int y = RoundEven(s * static_cast<float>(x - x1) + static_cast<float>(y1));
    if (!visit(x, y)) return;
    if (x == x2) return;
  }
}

}  // namespace zaldrun
