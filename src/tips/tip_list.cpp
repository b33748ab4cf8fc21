#include "tips/tip_list.h"

#include <algorithm>
#include <cmath>

namespace quorvane {

void TipList::Append(std::vector<std::string> tips) {
  tips_.insert(tips_.end(), std::make_move_iterator(tips.begin()), std::make_move_iterator(tips.end()));
}

void TipList::DrawRandom(RandomSource& random) {
  const double r = random.NextUnit();
  const double n = static_cast<double>(tips_.size());
  const double position = std::floor(n * r + 1.0);
  // Whatever the generator hands back, the position never leaves the list.
  currentIndex_ = static_cast<std::int32_t>(std::clamp(position, 1.0, std::max(n, 1.0)));
}

const std::string* TipList::Current() const {
  if (tips_.empty() || currentIndex_ < 1) return nullptr;
  return &tips_[static_cast<std::size_t>(currentIndex_) - 1];
}

}  // namespace quorvane
