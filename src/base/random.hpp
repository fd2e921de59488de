// The game's one source of chance: uniform single-precision values in [0, 1), seedable.
#pragma once

#include <cstdint>

namespace zaldrun {

class Random {
 public:
  explicit Random(uint64_t seed = 1) { Seed(seed); }

  void Seed(uint64_t seed);
  // A value r with 0 <= r < 1 (drawn in double precision, kept below 1 as a float).
  float Next();
  uint64_t seed() const { return seed_; }

  // A seed from the clock, for games started without --seed.
  static uint64_t ClockSeed();

 private:
  uint64_t NextBits();

  uint64_t seed_ = 0;
  uint64_t state_[4] = {};
};

}  // namespace zaldrun
