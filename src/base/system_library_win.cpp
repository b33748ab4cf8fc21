#include "base/system_library_win.h"

#include <string>

namespace quorvane {

HMODULE LoadSystemLibrary(const wchar_t* name) {
  wchar_t system[MAX_PATH] = {};
  const UINT length = GetSystemDirectoryW(system, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  return LoadLibraryW((std::wstring(system, length) + L"\\" + name).c_str());
}

}  // namespace quorvane
