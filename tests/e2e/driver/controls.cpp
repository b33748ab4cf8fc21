#include "controls.h"

#include <stdexcept>

#include "polling.h"
#include "text.h"

namespace quorvane_e2e {
namespace {

LRESULT SendOrThrow(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG,
                           static_cast<UINT>(kPatience.count()), &result)) {
    throw std::runtime_error("window message " + std::to_string(message) + " got no answer (error " +
                             std::to_string(GetLastError()) + ")");
  }
  return static_cast<LRESULT>(result);
}

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

// The control with this id anywhere below `parent`; throws when there is none.
// EnumChildWindows goes through all descendants, so this also finds controls
// inside a container such as a picture box.
HWND Control(HWND parent, int controlId) {
  ControlSearch search{controlId, nullptr};
  EnumChildWindows(parent, MatchControlId, reinterpret_cast<LPARAM>(&search));
  if (search.found == nullptr) {
    throw std::runtime_error("the window has no control with id " + std::to_string(controlId));
  }
  return search.found;
}

}  // namespace

std::string WindowText(HWND window) {
  const auto length = static_cast<size_t>(SendOrThrow(window, WM_GETTEXTLENGTH, 0, 0));
  std::wstring text(length + 1, L'\0');
  const auto copied = static_cast<size_t>(
      SendOrThrow(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
  text.resize(copied < length ? copied : length);
  return Utf8(text);
}

std::string ControlText(HWND parent, int controlId) { return WindowText(Control(parent, controlId)); }

int CheckState(HWND parent, int controlId) {
  return static_cast<int>(SendOrThrow(Control(parent, controlId), BM_GETCHECK, 0, 0));
}

void SetControlText(HWND parent, int controlId, const std::string& text) {
  const std::wstring wide = Wide(text);
  SendOrThrow(Control(parent, controlId), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

void PostClick(HWND parent, int controlId) { PostMessageW(Control(parent, controlId), BM_CLICK, 0, 0); }

}  // namespace quorvane_e2e
