#include "tip_window.h"

#include "../driver/controls.h"
#include "../driver/polling.h"
#include "../driver/process_windows.h"
#include "quorvane_ui.h"

namespace quorvane_e2e {

HWND WaitForTipWindow(DWORD processId) {
  return WaitForVisibleWindow(processId, ui::kTipWindowClass, "the tip window");
}

std::string TipShown(HWND tipWindow) { return ControlText(tipWindow, ui::kTipText); }

std::set<std::string> DrawDifferentTips(HWND tipWindow, size_t count,
                                        const std::function<void()>& drawAnother) {
  std::set<std::string> seen{TipShown(tipWindow)};
  WaitUntil([&] {
    if (seen.size() >= count) return true;
    drawAnother();
    seen.insert(TipShown(tipWindow));
    return false;
  });
  return seen;
}

std::vector<std::string> TipLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

}  // namespace quorvane_e2e
