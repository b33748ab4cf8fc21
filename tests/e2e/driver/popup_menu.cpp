#include "popup_menu.h"

#include <optional>
#include <stdexcept>

#include "../menuhook/menu_hook_protocol.h"
#include "keys.h"
#include "polling.h"
#include "process_windows.h"
#include "text.h"

namespace quorvane_e2e {
namespace {

using namespace menu_hook;

const std::wstring kPopupMenuClass = L"#32768";

std::wstring DriverFolder() {
  wchar_t path[MAX_PATH * 2] = {};
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH * 2);
  std::wstring folder(path, length);
  return folder.substr(0, folder.find_last_of(L'\\'));
}

}  // namespace

PopupMenuHook::PopupMenuHook(HWND programWindow) {
  DWORD processId = 0;
  const DWORD threadId = GetWindowThreadProcessId(programWindow, &processId);
  const std::wstring mappingName = kMappingNamePrefix + std::to_wstring(processId);
  mapping_ = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, kMappingBytes,
                                mappingName.c_str());
  view_ = mapping_ != nullptr ? MapViewOfFile(mapping_, FILE_MAP_ALL_ACCESS, 0, 0, kMappingBytes) : nullptr;
  const std::wstring libraryPath = DriverFolder() + L"\\quorvane_menuhook.dll";
  hookLibrary_ = LoadLibraryW(libraryPath.c_str());
  const auto hookProc = [&](const char* name) {
    return hookLibrary_ != nullptr
               ? reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(hookLibrary_, name)))
               : nullptr;
  };
  const HOOKPROC callWndProc = hookProc(kCallWndProcName);
  const HOOKPROC messageFilter = hookProc(kMessageFilterName);
  if (view_ == nullptr || callWndProc == nullptr || messageFilter == nullptr) {
    Release();
    throw std::runtime_error("cannot prepare the menu hook " + Utf8(libraryPath));
  }
  callWndProcHook_ = SetWindowsHookExW(WH_CALLWNDPROC, callWndProc, hookLibrary_, threadId);
  messageFilterHook_ = SetWindowsHookExW(WH_MSGFILTER, messageFilter, hookLibrary_, threadId);
  if (callWndProcHook_ == nullptr || messageFilterHook_ == nullptr) {
    const DWORD error = GetLastError();
    Release();
    throw std::runtime_error("cannot hook the program's thread (error " + std::to_string(error) + ")");
  }
}

PopupMenuHook::~PopupMenuHook() { Release(); }

void PopupMenuHook::Release() {
  if (callWndProcHook_ != nullptr) UnhookWindowsHookEx(callWndProcHook_);
  if (messageFilterHook_ != nullptr) UnhookWindowsHookEx(messageFilterHook_);
  if (hookLibrary_ != nullptr) FreeLibrary(hookLibrary_);
  if (view_ != nullptr) UnmapViewOfFile(view_);
  if (mapping_ != nullptr) CloseHandle(mapping_);
  callWndProcHook_ = nullptr;
  messageFilterHook_ = nullptr;
  hookLibrary_ = nullptr;
  view_ = nullptr;
  mapping_ = nullptr;
}

// The DLL writes the mapping from the program's thread while the driver reads.
unsigned PopupMenuHook::MenusOpened() const {
  return static_cast<volatile MappingHeader*>(view_)->menusOpened;
}

unsigned PopupMenuHook::MenusClosed() const {
  return static_cast<volatile MappingHeader*>(view_)->menusClosed;
}

PopupMenuHook::Snapshot PopupMenuHook::Read(HWND menuWindow) const {
  auto* header = static_cast<MappingHeader*>(view_);
  header->itemCount = 0xFFFFFFFFu;
  header->textCharCount = 0;
  static const UINT readItemsMessage = RegisterWindowMessageW(kReadItemsMessage);
  DWORD_PTR ignored = 0;
  // The hook has filled the mapping by the time the sent message returns.
  if (!SendMessageTimeoutW(menuWindow, readItemsMessage, 0, 0, SMTO_ABORTIFHUNG,
                           static_cast<UINT>(kPatience.count()), &ignored)) {
    throw std::runtime_error("the pop-up menu window did not answer");
  }
  if (header->itemCount == 0xFFFFFFFFu) {
    throw std::runtime_error("the menu hook could not read the pop-up menu");
  }
  Snapshot snapshot;
  snapshot.selected = header->selected;
  const auto* text = reinterpret_cast<const wchar_t*>(header + 1);
  const wchar_t* end = text + header->textCharCount;
  while (text < end && snapshot.items.size() < header->itemCount) {
    const std::wstring caption(text);
    snapshot.items.push_back(Utf8(caption));
    text += caption.size() + 1;
  }
  return snapshot;
}

std::vector<std::string> PopupMenuHook::Items(HWND menuWindow) const { return Read(menuWindow).items; }

int PopupMenuHook::Choose(HWND menuWindow, int position) const {
  const auto* header = static_cast<const volatile MappingHeader*>(view_);
  const std::uint32_t entersBefore = header->entersTaken;
  const auto isOpen = [&] { return IsWindow(menuWindow) && IsWindowVisible(menuWindow); };
  // The selected item, or nothing once the menu has closed.
  const auto selectedNow = [&]() -> std::optional<int> {
    try {
      return Read(menuWindow).selected;
    } catch (const std::runtime_error&) {
      if (isOpen()) throw;
      return std::nullopt;
    }
  };
  // No item is selected when a menu opens; each Down selects the next one.
  // A mouse move, such as the one that comes when the menu appears under
  // the pointer, clears the selection again, so look after each key.
  std::optional<int> selected;
  while ((selected = selectedNow()) && *selected != position) {
    const std::uint32_t keysBefore = header->keysTaken;
    PostKey(menuWindow, VK_DOWN);
    if (!WaitUntil([&] { return header->keysTaken != keysBefore || !isOpen(); })) {
      throw std::runtime_error("the pop-up menu does not take the Down key");
    }
  }
  if (selected) PostKey(menuWindow, VK_RETURN);
  if (!WaitUntil([&] { return !isOpen(); }))
    throw std::runtime_error("the pop-up menu stayed open after Enter");
  return header->entersTaken != entersBefore ? static_cast<int>(header->selectedAtEnter) : kClosedBeforeEnter;
}

HWND FindPopupMenu(DWORD processId) { return FindVisibleWindow(processId, kPopupMenuClass); }

}  // namespace quorvane_e2e
