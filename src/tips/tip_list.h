#pragma once
// The tips the window draws from. The list only grows: every load appends
// the file's lines again, so a file loaded twice is in it twice and the draw
// stays even among its lines.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "base/random_source.h"

namespace quorvane {

class TipList {
 public:
  void Append(std::vector<std::string> tips);
  std::size_t Count() const { return tips_.size(); }
  // Draws a new current position, 1 to Count(): floor(n × r + 1) for r in
  // [0, 1). With no tips the position is 1.
  void DrawRandom(RandomSource& random);
  // Positions count from 1.
  std::int32_t CurrentIndex() const { return currentIndex_; }
  // The tip at the current position, or nullptr while the list is empty.
  const std::string* Current() const;

 private:
  std::vector<std::string> tips_;
  std::int32_t currentIndex_ = 0;
};

}  // namespace quorvane
