#pragma once

#include <string>
#include <string_view>

namespace guidetool {

// Converts UTF-8 to GBK (Windows code page 936), the code page of the Chinese
// Windows the program and its help viewer run on. Returns false when the
// input is not valid UTF-8 or holds a character GBK has no code for; gbk is
// then unspecified. No character is ever replaced by a substitute.
bool encodeGbk(std::string_view utf8, std::string& gbk);

}  // namespace guidetool
