#pragma once
#include <string_view>

namespace quorvane {

// Every box the program shows is modal, OK only, no icon, titled "Quorvane".
class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  virtual void Show(std::string_view text) = 0;
};

}  // namespace quorvane
