#pragma once
// UTF-8 is the program's text inside; these convert at the edges.
#include <string>
#include <string_view>

namespace quorvane {

bool IsValidUtf8(std::string_view bytes);
bool HasNonAscii(std::string_view bytes);
bool StartsWithUtf8Bom(std::string_view bytes);

// Invalid sequences become U+FFFD, so a damaged value never stops the program.
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

}  // namespace quorvane
