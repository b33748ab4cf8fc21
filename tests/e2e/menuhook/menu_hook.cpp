// quorvane_menuhook.dll: loaded into the program under test by a
// WH_CALLWNDPROC hook on its user-interface thread. When the test driver sends
// the "read items" message to an open pop-up menu window, the hook copies the
// captions of that window's menu into the driver's file mapping before the
// SendMessage returns, so the driver reads them right after.
#include <windows.h>

#include <cstring>
#include <string>

#include "menu_hook_protocol.h"

namespace {

using namespace quorvane_e2e::menu_hook;

std::wstring MenuItemCaption(HMENU menu, int position) {
  const int length = GetMenuStringW(menu, position, nullptr, 0, MF_BYPOSITION);
  if (length <= 0) return {};
  std::wstring caption(static_cast<size_t>(length) + 1, L'\0');
  GetMenuStringW(menu, position, caption.data(), length + 1, MF_BYPOSITION);
  caption.resize(static_cast<size_t>(length));
  return caption;
}

void CopyMenuItemsToMapping(HWND menuWindow) {
  const std::wstring name = kMappingNamePrefix + std::to_wstring(GetCurrentProcessId());
  HANDLE mapping = OpenFileMappingW(FILE_MAP_WRITE, FALSE, name.c_str());
  if (mapping == nullptr) return;
  if (void* view = MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, kMappingBytes)) {
    auto* header = static_cast<MappingHeader*>(view);
    auto* text = reinterpret_cast<wchar_t*>(header + 1);
    // MN_GETHMENU only works from inside the process that owns the menu.
    auto* menu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
    const int count = menu != nullptr ? GetMenuItemCount(menu) : -1;
    std::uint32_t used = 0;
    for (int position = 0; position < count; ++position) {
      const std::wstring caption = MenuItemCaption(menu, position);
      if (used + caption.size() + 1 > kMaxTextChars) break;
      std::memcpy(text + used, caption.c_str(), (caption.size() + 1) * sizeof(wchar_t));
      used += static_cast<std::uint32_t>(caption.size() + 1);
    }
    header->textCharCount = used;
    header->itemCount = static_cast<std::uint32_t>(count);
    UnmapViewOfFile(view);
  }
  CloseHandle(mapping);
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK
    QuorvaneMenuHookProc(int code, WPARAM wParam, LPARAM lParam) {
  static const UINT readItemsMessage = RegisterWindowMessageW(kReadItemsMessage);
  if (code == HC_ACTION) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (call->message == readItemsMessage) CopyMenuItemsToMapping(call->hwnd);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}
