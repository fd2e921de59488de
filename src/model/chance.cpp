#include "model/chance.hpp"

#include <bit>
#include <cmath>

#include "model/game.hpp"
#include "model/world_ops.hpp"

namespace zaldrun {
int16_t RandomRange(Game& game, int low, int high) {
  const float span = static_cast<float>(high - low + 1);
  const long long value = low + static_cast<long long>(std::floor(game.random.Next() * span));
  return Clamp16(value);
}

int16_t RollResisted(Game& game, int low, int high, int resistance) {
  const int m = RandomRange(game, low, high);
  if (resistance < 0) {
    return Clamp16(static_cast<long long>(RoundHalfEven((std::abs(resistance) * 0.025 + 1.0) * m)));
  }
  if (m >= 2 * resistance) return Clamp16(m - resistance);
  const int half = static_cast<int>(RoundHalfEven(resistance / 2.0));
  const int m1 = m - half;
  const int r1 = static_cast<int>(RoundHalfEven((resistance - half) / 2.0));
  if (m1 >= 2 * r1) return Clamp16(m1 - r1);
  const int half1 = static_cast<int>(RoundHalfEven(r1 / 2.0));
  const int m2 = m1 - half1;
  const int r2 = static_cast<int>(RoundHalfEven((r1 - half1) / 2.0));
  return Clamp16(m2 - r2);
}

bool HasFlag(int32_t value, int32_t flag) {
  if (value == flag) return true;
  if (value < 0 || flag < 0) return false;
  if (flag == 0) return (value & 1) != 0;  // 0 is written as the single digit 0
  // The digit of `value` with the weight of the highest bit of `flag`.
  const int top = std::bit_width(static_cast<uint32_t>(flag)) - 1;
  return ((value >> top) & 1) != 0;
}


std::string PickFromList(Game& game, std::string& list, std::string_view weights, int width,
                         bool remove) {
  if (list.empty()) return "0";
  if (width < 1) width = 1;
  const size_t w = static_cast<size_t>(width);
  if (weights.size() * w == list.size()) {
    const int i = PickWeighted(
        game, std::span(reinterpret_cast<const uint8_t*>(weights.data()), weights.size()));
    if (i < 0) return std::string(1, '\0');
    return list.substr(static_cast<size_t>(i) * w, w);
  }
  const int entries = static_cast<int>(RoundHalfEven(static_cast<double>(list.size()) / width));
  if (entries < 1) return list;
  const int h = RandomRange(game, 1, entries);
  const size_t start = static_cast<size_t>(h - 1) * w;
  std::string entry = start < list.size() ? list.substr(start, w) : std::string();
  if (remove && list.size() >= 2 * w && start < list.size()) list.erase(start, w);
  return entry;
}

int PickWeighted(Game& game, std::span<const uint8_t> weights) {
  int total = 0;
  for (uint8_t weight : weights) total += weight;
  if (total == 0) return -1;
  const int t = RandomRange(game, 1, total);
  int sum = 0;
  for (size_t i = 0; i < weights.size(); ++i) {
    sum += weights[i];
    if (sum >= t) return static_cast<int>(i);
  }
  return static_cast<int>(weights.size()) - 1;
}

}  // namespace zaldrun
