#pragma once
// The tip window's random numbers: uniform in [0, 1), seeded from the clock
// by the window each time it loads tips.
#include <cstdint>
#include <random>

#include "base/random_source.h"

namespace quorvane {

// One 32-bit draw of the engine as a number in [0, 1). Its top 24 bits fill a
// float's mantissa exactly, so the largest draw gives the largest float below
// 1, never 1 itself (the standard distributions may round up for float).
float UnitFromBits(std::uint32_t bits);

class TipRandom : public RandomSource {
 public:
  void Seed(std::uint64_t seed);
  float NextUnit() override;

 private:
  std::mt19937 engine_;
};

}  // namespace quorvane
