#include "tips/tip_file.h"

#include "base/utf.h"

namespace quorvane {

std::string DecodeTipFile(std::string_view bytes, const AnsiCodec& ansi) {
  if (StartsWithUtf8Bom(bytes)) {
    bytes.remove_prefix(3);
    // Broken sequences after a mark become U+FFFD rather than mojibake.
    return Utf16ToUtf8(Utf8ToUtf16(bytes));
  }
  if (HasNonAscii(bytes) && IsValidUtf8(bytes)) return std::string(bytes);
  return ansi.ToUtf8(bytes);
}

std::vector<std::string> SplitTipLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find('\r', start);
    if (end == std::string_view::npos) {
      lines.emplace_back(text.substr(start));
      break;
    }
    lines.emplace_back(text.substr(start, end - start));
    start = end + 1;
    if (start < text.size() && text[start] == '\n') ++start;
  }
  return lines;
}

}  // namespace quorvane
