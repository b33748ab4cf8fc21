// String values under HKEY_CURRENT_USER, where the program keeps its record
// and its start-at-logon entry.
#pragma once

#include <optional>
#include <string>

namespace quorvane_e2e {

// The value's text, or nothing when the value does not exist. Throws when
// the value exists but is not REG_SZ.
std::optional<std::string> ReadUserString(const std::wstring& key, const std::wstring& name);

// Writes a REG_SZ value, creating the key when it is missing.
void WriteUserString(const std::wstring& key, const std::wstring& name, const std::string& text);

// Deletes the value; a value that is not there is fine.
void DeleteUserValue(const std::wstring& key, const std::wstring& name);

}  // namespace quorvane_e2e
