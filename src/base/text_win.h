#pragma once
// Conversions at the Win32 boundary: the program keeps UTF-8 inside and
// hands UTF-16 to every W function.
#include <windows.h>

#include <string>
#include <string_view>

#include "base/ansi_codec.h"

namespace quorvane {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

// The system's ANSI code page (CP_ACP), for files and stored values written
// in it.
class SystemAnsiCodec : public AnsiCodec {
 public:
  std::string ToUtf8(std::string_view ansiBytes) const override;
};

// The text of a window or control.
std::wstring WindowText(HWND window);

// The system's description of an error code, without the trailing line end.
std::wstring ErrorDescription(DWORD error);

}  // namespace quorvane
