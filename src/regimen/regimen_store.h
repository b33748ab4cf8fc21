#pragma once
// Where the record and the start-at-logon entry live in the registry.
#include <string>
#include <string_view>

#include "base/ansi_codec.h"
#include "regimen/key_value_store.h"

namespace quorvane {

inline constexpr std::string_view kRecordKey = "Software";
inline constexpr std::string_view kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr std::string_view kValueName = "Quorvane";

// The stored record, or an empty text when there is none. A text value is
// read as Unicode; a value of another type as bytes in the ANSI code page.
// Either way the record ends at the first NUL.
std::string ReadRegimen(KeyValueStore& store, const AnsiCodec& ansi);

// Returns 0 on success, otherwise the registry's error code.
long SaveRegimen(KeyValueStore& store, std::string_view record);

// The Run value: the program's path in double quotes, so that Windows does
// not try "C:\Program.exe" for a path with spaces. programPath is the full
// path of the running program file; its extension is written as ".exe".
std::string StartupCommand(std::string_view programPath);
void WriteStartupEntry(KeyValueStore& store, std::string_view programPath);

}  // namespace quorvane
