#include "registry.h"

#include <windows.h>

#include <stdexcept>

#include "text.h"

namespace quorvane_e2e {
namespace {

std::runtime_error RegistryError(const char* what, const std::wstring& key, const std::wstring& name,
                                 LSTATUS status) {
  return std::runtime_error(std::string(what) + " HKCU\\" + Utf8(key) + " value \"" + Utf8(name) +
                            "\" (status " + std::to_string(status) + ")");
}

}  // namespace

std::optional<std::string> ReadUserString(const std::wstring& key, const std::wstring& name) {
  DWORD bytes = 0;
  LSTATUS status =
      RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr, nullptr, &bytes);
  if (status == ERROR_FILE_NOT_FOUND) return std::nullopt;
  if (status == ERROR_SUCCESS) {
    std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    status = RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr, text.data(),
                          &bytes);
    if (status == ERROR_SUCCESS) {
      text.resize(text.find(L'\0'));
      return Utf8(text);
    }
  }
  throw RegistryError(status == ERROR_UNSUPPORTED_TYPE ? "not a REG_SZ:" : "cannot read", key, name, status);
}

void WriteUserString(const std::wstring& key, const std::wstring& name, const std::string& text) {
  const std::wstring wide = Wide(text);
  const LSTATUS status = RegSetKeyValueW(HKEY_CURRENT_USER, key.c_str(), name.c_str(), REG_SZ, wide.c_str(),
                                         static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t)));
  if (status != ERROR_SUCCESS) throw RegistryError("cannot write", key, name, status);
}

void DeleteUserValue(const std::wstring& key, const std::wstring& name) {
  const LSTATUS status = RegDeleteKeyValueW(HKEY_CURRENT_USER, key.c_str(), name.c_str());
  if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) {
    throw RegistryError("cannot delete", key, name, status);
  }
}

}  // namespace quorvane_e2e
