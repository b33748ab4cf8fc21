#pragma once
#include <string_view>

namespace quorvane {

// Hands an address or a document to the program the user has chosen for it.
class ShellOpener {
 public:
  virtual ~ShellOpener() = default;
  virtual void Open(std::string_view target) = 0;
};

}  // namespace quorvane
