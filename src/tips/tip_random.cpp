#include "tips/tip_random.h"

namespace quorvane {

void TipRandom::Seed(std::uint64_t seed) {
  std::seed_seq sequence{static_cast<std::uint32_t>(seed), static_cast<std::uint32_t>(seed >> 32)};
  engine_.seed(sequence);
}

float UnitFromBits(std::uint32_t bits) { return static_cast<float>(bits >> 8) * 0x1p-24f; }

float TipRandom::NextUnit() { return UnitFromBits(static_cast<std::uint32_t>(engine_())); }

}  // namespace quorvane
