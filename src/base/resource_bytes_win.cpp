#include "base/resource_bytes_win.h"

#include <windows.h>

namespace quorvane {

std::string_view CustomResource(int resourceId) {
  const HMODULE module = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceExW(module, L"CUSTOM", MAKEINTRESOURCEW(resourceId),
                                MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED));
  if (!found) return {};
  HGLOBAL loaded = LoadResource(module, found);
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) return {};
  return {static_cast<const char*>(data), SizeofResource(module, found)};
}

}  // namespace quorvane
