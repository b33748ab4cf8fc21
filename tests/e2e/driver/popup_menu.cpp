#include "popup_menu.h"

#include <cstring>
#include <stdexcept>

#include "../menuhook/menu_hook_protocol.h"
#include "controls.h"
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

PopupMenuReader::PopupMenuReader(HWND programWindow) {
  DWORD processId = 0;
  const DWORD threadId = GetWindowThreadProcessId(programWindow, &processId);
  const std::wstring mappingName = kMappingNamePrefix + std::to_wstring(processId);
  mapping_ = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, kMappingBytes,
                                mappingName.c_str());
  view_ = mapping_ != nullptr ? MapViewOfFile(mapping_, FILE_MAP_ALL_ACCESS, 0, 0, kMappingBytes) : nullptr;
  const std::wstring libraryPath = DriverFolder() + L"\\quorvane_menuhook.dll";
  hookLibrary_ = LoadLibraryW(libraryPath.c_str());
  auto* hookProc =
      hookLibrary_ != nullptr
          ? reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(hookLibrary_, kHookProcName)))
          : nullptr;
  if (view_ == nullptr || hookProc == nullptr) {
    Release();
    throw std::runtime_error("cannot prepare the menu hook " + Utf8(libraryPath));
  }
  hook_ = SetWindowsHookExW(WH_CALLWNDPROC, hookProc, hookLibrary_, threadId);
  if (hook_ == nullptr) {
    const DWORD error = GetLastError();
    Release();
    throw std::runtime_error("cannot hook the program's thread (error " + std::to_string(error) + ")");
  }
}

PopupMenuReader::~PopupMenuReader() { Release(); }

void PopupMenuReader::Release() {
  if (hook_ != nullptr) UnhookWindowsHookEx(hook_);
  if (hookLibrary_ != nullptr) FreeLibrary(hookLibrary_);
  if (view_ != nullptr) UnmapViewOfFile(view_);
  if (mapping_ != nullptr) CloseHandle(mapping_);
  hook_ = nullptr;
  hookLibrary_ = nullptr;
  view_ = nullptr;
  mapping_ = nullptr;
}

std::vector<std::string> PopupMenuReader::Items(HWND menuWindow) const {
  auto* header = static_cast<MappingHeader*>(view_);
  std::memset(view_, 0, sizeof(MappingHeader));
  header->itemCount = 0xFFFFFFFFu;
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
  std::vector<std::string> items;
  const auto* text = reinterpret_cast<const wchar_t*>(header + 1);
  const wchar_t* end = text + header->textCharCount;
  while (text < end && items.size() < header->itemCount) {
    const std::wstring caption(text);
    items.push_back(Utf8(caption));
    text += caption.size() + 1;
  }
  return items;
}

HWND FindPopupMenu(DWORD processId) { return FindVisibleWindow(processId, kPopupMenuClass); }

HWND WaitForPopupMenu(DWORD processId) {
  return WaitForVisibleWindow(processId, kPopupMenuClass, "a pop-up menu");
}

void ChooseMenuItem(HWND menuWindow, int position) {
  for (int step = 0; step <= position; ++step) PostKey(menuWindow, VK_DOWN);
  PostKey(menuWindow, VK_RETURN);
}

}  // namespace quorvane_e2e
