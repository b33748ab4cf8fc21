#include "tips/tip_random.h"

namespace quorvane {

void TipRandom::Seed(std::uint64_t seed) {
  std::seed_seq sequence{static_cast<std::uint32_t>(seed), static_cast<std::uint32_t>(seed >> 32)};
  engine_.seed(sequence);
}

float TipRandom::NextUnit() {
  // 24 random bits fill a float's mantissa exactly, so the result is never
  // rounded up to 1 (the standard distributions may do that for float).
  return static_cast<float>(engine_() >> 8) * 0x1p-24f;
}

}  // namespace quorvane
