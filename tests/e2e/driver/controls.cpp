#include "controls.h"

#include <stdexcept>

#include "polling.h"
#include "text.h"

namespace quorvane_e2e {

LRESULT SendAndWait(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG,
                           static_cast<UINT>(kPatience.count()), &result)) {
    throw std::runtime_error("window message " + std::to_string(message) + " got no answer (error " +
                             std::to_string(GetLastError()) + ")");
  }
  return static_cast<LRESULT>(result);
}

namespace {

struct ControlSearch {
  int id;
  HWND found;
};

BOOL CALLBACK MatchControlId(HWND child, LPARAM state) {
  auto* search = reinterpret_cast<ControlSearch*>(state);
  if (GetDlgCtrlID(child) != search->id) return TRUE;
  search->found = child;
  return FALSE;
}

}  // namespace

// EnumChildWindows goes through all descendants.
HWND ControlWindow(HWND parent, int controlId) {
  ControlSearch search{controlId, nullptr};
  EnumChildWindows(parent, MatchControlId, reinterpret_cast<LPARAM>(&search));
  if (search.found == nullptr) {
    throw std::runtime_error("the window has no control with id " + std::to_string(controlId));
  }
  return search.found;
}

std::string WindowText(HWND window) {
  // One WM_GETTEXT with room to spare, not WM_GETTEXTLENGTH first: the text
  // may change between two messages. A full buffer may hold a cut text.
  for (size_t capacity = 256;; capacity *= 2) {
    std::wstring text(capacity, L'\0');
    const auto copied =
        static_cast<size_t>(SendAndWait(window, WM_GETTEXT, capacity, reinterpret_cast<LPARAM>(text.data())));
    if (copied + 1 < capacity) {
      text.resize(copied);
      return Utf8(text);
    }
  }
}

std::string ControlText(HWND parent, int controlId) { return WindowText(ControlWindow(parent, controlId)); }

int CheckState(HWND parent, int controlId) {
  return static_cast<int>(SendAndWait(ControlWindow(parent, controlId), BM_GETCHECK, 0, 0));
}

void SetControlText(HWND parent, int controlId, const std::string& text) {
  const std::wstring wide = Wide(text);
  SendAndWait(ControlWindow(parent, controlId), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

void PostClick(HWND parent, int controlId) { PostMessageW(ControlWindow(parent, controlId), BM_CLICK, 0, 0); }

HWND FocusedControl(HWND window) {
  GUITHREADINFO thread = {};
  thread.cbSize = sizeof thread;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread)) return nullptr;
  return thread.hwndFocus;
}

}  // namespace quorvane_e2e
