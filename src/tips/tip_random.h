#pragma once
// The tip window's random numbers: uniform in [0, 1), seeded from the clock
// by the window each time it loads tips.
#include <cstdint>
#include <random>

#include "base/random_source.h"

namespace quorvane {

class TipRandom : public RandomSource {
 public:
  void Seed(std::uint64_t seed);
  float NextUnit() override;

 private:
  std::mt19937 engine_;
};

}  // namespace quorvane
