// Conversions between the UTF-8 the tests compare and the UTF-16 of Win32.
#pragma once

#include <string>

namespace quorvane_e2e {

std::string Utf8(const std::wstring& text);
std::wstring Wide(const std::string& utf8);

// The text in code page 936 (GBK), the way the program's plain-text files are
// stored on a Simplified Chinese system.
std::string Gbk(const std::string& utf8);
// And back: GBK bytes as UTF-8.
std::string FromGbk(const std::string& gbk);

}  // namespace quorvane_e2e
