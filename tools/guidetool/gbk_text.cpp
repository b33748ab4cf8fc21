#include "gbk_text.h"

#include "gbk_encoding.h"

#include <cstdio>
#include <stdexcept>
#include <vector>

namespace guidetool {

namespace {

std::vector<std::string_view> splitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

std::size_t utf8SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if ((lead & 0xE0) == 0xC0) return 2;
  if ((lead & 0xF0) == 0xE0) return 3;
  if ((lead & 0xF8) == 0xF0) return 4;
  return 1;
}

// Names the first character of a line that does not convert, so the author
// can find it in the source.
std::string describeFirstBadCharacter(std::string_view line) {
  std::string ignored;
  std::size_t at = 0;
  while (at < line.size()) {
    const std::size_t length = utf8SequenceLength(static_cast<unsigned char>(line[at]));
    const std::string_view character = line.substr(at, length);
    if (!encodeGbk(character, ignored)) {
      std::string hex;
      for (unsigned char byte : character) {
        char digits[4];
        std::snprintf(digits, sizeof digits, "%02X", byte);
        hex += digits;
      }
      return "\"" + std::string(character) + "\" (UTF-8 bytes " + hex + ")";
    }
    at += length;
  }
  return "a character";
}

std::string convertLine(std::string_view line, std::size_t lineNumber, const std::string& sourceName) {
  std::string gbk;
  if (!encodeGbk(line, gbk)) {
    throw std::runtime_error(sourceName + ":" + std::to_string(lineNumber) + ": " +
                             describeFirstBadCharacter(line) + " is not valid UTF-8 or has no GBK code");
  }
  return gbk;
}

}  // namespace

std::string textToGbk(std::string_view utf8, LineEnds lineEnds, const std::string& sourceName) {
  const std::vector<std::string_view> lines = splitLines(utf8);
  if (lineEnds == LineEnds::AsWritten) {
    std::string gbk;
    if (encodeGbk(utf8, gbk)) {
      return gbk;
    }
    // Convert line by line only to name the line that fails.
    for (std::size_t index = 0; index < lines.size(); ++index) {
      convertLine(lines[index], index + 1, sourceName);
    }
    throw std::runtime_error(sourceName + ": cannot be converted to GBK");
  }
  std::string gbk;
  for (std::size_t index = 0; index < lines.size(); ++index) {
    std::string_view line = lines[index];
    if (!line.empty() && line.back() == '\r') {
      line.remove_suffix(1);
    }
    if (line.find('\r') != std::string_view::npos) {
      throw std::runtime_error(sourceName + ":" + std::to_string(index + 1) +
                               ": carriage return inside a line");
    }
    gbk += convertLine(line, index + 1, sourceName);
    gbk += "\r\n";
  }
  return gbk;
}

}  // namespace guidetool
