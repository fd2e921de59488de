#include "base/random.hpp"

#include <chrono>
#include <cmath>

namespace zaldrun {
namespace {

uint64_t SplitMix(uint64_t& x) {
  uint64_t z = (x += 0x9E3779B97F4A7C15ULL);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

uint64_t RotateLeft(uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

}  // namespace

void Random::Seed(uint64_t seed) {
  seed_ = seed;
  uint64_t x = seed;
  for (uint64_t& word : state_) word = SplitMix(x);
}

// xoshiro256**: fast, and the same sequence on every machine for a given seed.
uint64_t Random::NextBits() {
  const uint64_t result = RotateLeft(state_[1] * 5, 7) * 9;
  const uint64_t t = state_[1] << 17;
  state_[2] ^= state_[0];
  state_[3] ^= state_[1];
  state_[1] ^= state_[2];
  state_[0] ^= state_[3];
  state_[2] ^= t;
  state_[3] = RotateLeft(state_[3], 45);
  return result;
}

float Random::Next() {
  const double value = static_cast<double>(NextBits() >> 11) * 0x1.0p-53;
  const float r = static_cast<float>(value);
  // Rounding to single precision can reach 1.0; keep the value below it.
  return r < 1.0f ? r : std::nextafter(1.0f, 0.0f);
}

uint64_t Random::ClockSeed() {
  return static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
         static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

}  // namespace zaldrun
