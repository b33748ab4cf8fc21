#pragma once

#include <string>
#include <string_view>

namespace guidetool {

enum class LineEnds {
  AsWritten,  // bytes of the line ends are kept
  Crlf,       // every line, the last one too, ends with CR LF
};

// Turns the UTF-8 content of a text source into GBK. Throws, naming the
// source, line and character, when a character has no GBK code. With Crlf,
// LF and CR LF in the source both end a line, so a checkout with either
// line end gives the same result; a CR alone is rejected because the
// program's reader would take it as a line end.
std::string textToGbk(std::string_view utf8, LineEnds lineEnds, const std::string& sourceName);

}  // namespace guidetool
