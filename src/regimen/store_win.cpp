#include "regimen/store_win.h"

#include <windows.h>

#include "base/text_win.h"
#include "base/unique_handle_win.h"

namespace quorvane {

std::optional<StoredValue> RegistryStore::Read(std::string_view key, std::string_view name) {
  HKEY raw = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, Widen(key).c_str(), 0, KEY_QUERY_VALUE, &raw) != ERROR_SUCCESS)
    return std::nullopt;
  const UniqueKey opened(raw);
  const std::wstring valueName = Widen(name);
  DWORD type = 0, size = 0;
  if (RegQueryValueExW(opened.Get(), valueName.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
    return std::nullopt;
  StoredValue value;
  value.isText = type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
  value.data.resize(size);
  if (RegQueryValueExW(opened.Get(), valueName.c_str(), nullptr, &type, value.data.data(), &size) !=
      ERROR_SUCCESS)
    return std::nullopt;
  value.data.resize(size);
  return value;
}

long RegistryStore::WriteText(std::string_view key, std::string_view name, std::string_view utf8) {
  HKEY raw = nullptr;
  const LSTATUS created = RegCreateKeyExW(HKEY_CURRENT_USER, Widen(key).c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                                          nullptr, &raw, nullptr);
  if (created != ERROR_SUCCESS) return created;
  const UniqueKey opened(raw);
  const std::wstring data = Widen(utf8);
  return RegSetValueExW(opened.Get(), Widen(name).c_str(), 0, REG_SZ,
                        reinterpret_cast<const BYTE*>(data.c_str()),
                        static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
}

}  // namespace quorvane
