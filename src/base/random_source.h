#pragma once

namespace quorvane {

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  // Uniform in [0, 1).
  virtual float NextUnit() = 0;
};

}  // namespace quorvane
