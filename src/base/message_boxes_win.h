#pragma once
#include <windows.h>

#include "base/message_boxes.h"

namespace quorvane {

class WindowMessageBoxes : public MessageBoxes {
 public:
  explicit WindowMessageBoxes(HWND owner = nullptr) : owner_(owner) {}
  void Show(std::string_view text) override;

 private:
  HWND owner_;
};

}  // namespace quorvane
