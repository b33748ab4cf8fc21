#include "base/message_boxes_win.h"

#include "base/text_win.h"

namespace quorvane {

void WindowMessageBoxes::Show(std::string_view text) {
  MessageBoxW(owner_, Widen(text).c_str(), L"Quorvane", MB_OK | MB_SETFOREGROUND);
}

}  // namespace quorvane
