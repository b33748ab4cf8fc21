// quorvane_menuhook.dll: loaded into the program under test by hooks on its
// user-interface thread. When the test driver sends the "read items" message
// to an open pop-up menu window, the hook copies the items of that window's
// menu into the driver's file mapping before the SendMessage returns, so the
// driver reads them right after.
#include <windows.h>

#include <cstring>
#include <string>

#include "menu_hook_protocol.h"

namespace {

using namespace quorvane_e2e::menu_hook;

// Runs `update` on the driver's mapping, if the driver has made one.
template <typename Update>
void UpdateMapping(Update update) {
  const std::wstring name = kMappingNamePrefix + std::to_wstring(GetCurrentProcessId());
  HANDLE mapping = OpenFileMappingW(FILE_MAP_WRITE, FALSE, name.c_str());
  if (mapping == nullptr) return;
  if (void* view = MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, kMappingBytes)) {
    update(*static_cast<MappingHeader*>(view));
    UnmapViewOfFile(view);
  }
  CloseHandle(mapping);
}

bool IsPopupMenuWindow(HWND window) {
  wchar_t className[16] = {};
  return GetClassNameW(window, className, 16) > 0 && std::wcscmp(className, L"#32768") == 0;
}

// MN_GETHMENU only works from inside the process that owns the menu.
HMENU MenuOf(HWND menuWindow) { return reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0)); }

int SelectedPosition(HMENU menu) {
  const int count = GetMenuItemCount(menu);
  for (int position = 0; position < count; ++position) {
    if (GetMenuState(menu, position, MF_BYPOSITION) & MF_HILITE) return position;
  }
  return -1;
}

std::wstring MenuItemCaption(HMENU menu, int position) {
  const int length = GetMenuStringW(menu, position, nullptr, 0, MF_BYPOSITION);
  if (length <= 0) return {};
  std::wstring caption(static_cast<size_t>(length) + 1, L'\0');
  GetMenuStringW(menu, position, caption.data(), length + 1, MF_BYPOSITION);
  caption.resize(static_cast<size_t>(length));
  return caption;
}

void CopyMenuItems(HWND menuWindow, MappingHeader& header) {
  auto* text = reinterpret_cast<wchar_t*>(&header + 1);
  const HMENU menu = MenuOf(menuWindow);
  const int count = menu != nullptr ? GetMenuItemCount(menu) : -1;
  std::uint32_t used = 0;
  for (int position = 0; position < count; ++position) {
    const std::wstring caption = MenuItemCaption(menu, position);
    if (used + caption.size() + 1 > kMaxTextChars) break;
    std::memcpy(text + used, caption.c_str(), (caption.size() + 1) * sizeof(wchar_t));
    used += static_cast<std::uint32_t>(caption.size() + 1);
  }
  header.textCharCount = used;
  header.selected = menu != nullptr ? SelectedPosition(menu) : -1;
  header.itemCount = static_cast<std::uint32_t>(count);
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK
    QuorvaneMenuCallWndProc(int code, WPARAM wParam, LPARAM lParam) {
  static const UINT readItemsMessage = RegisterWindowMessageW(kReadItemsMessage);
  if (code == HC_ACTION) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (call->message == readItemsMessage) {
      UpdateMapping([&](MappingHeader& header) { CopyMenuItems(call->hwnd, header); });
    } else if (call->message == WM_CREATE && IsPopupMenuWindow(call->hwnd)) {
      UpdateMapping([](MappingHeader& header) { ++header.menusOpened; });
    } else if (call->message == WM_DESTROY && IsPopupMenuWindow(call->hwnd)) {
      UpdateMapping([](MappingHeader& header) { ++header.menusClosed; });
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// The menu acts on an Enter key with the item selected at that moment.
extern "C" __declspec(dllexport) LRESULT CALLBACK
    QuorvaneMenuMessageFilter(int code, WPARAM wParam, LPARAM lParam) {
  const auto* message = reinterpret_cast<const MSG*>(lParam);
  if (code == MSGF_MENU && message->message == WM_KEYDOWN) {
    const bool enter = message->wParam == VK_RETURN;
    const HMENU menu = enter ? MenuOf(message->hwnd) : nullptr;
    const int selected = menu != nullptr ? SelectedPosition(menu) : -1;
    UpdateMapping([&](MappingHeader& header) {
      ++header.keysTaken;
      if (!enter) return;
      header.selectedAtEnter = selected;
      ++header.entersTaken;
    });
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}
