// Checks the tip file this build made for the program folder: the program
// reads it as GBK text, one tip per line, and takes a CR alone as a line
// end, so only CR LF may end a line.

#include "gbk_decoding.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::string tipFileBytes() {
  std::ifstream in(QUORVANE_ASSETS_DIR "/TIPOFDAY.TXT", std::ios::binary);
  EXPECT_TRUE(in) << "TIPOFDAY.TXT was not made";
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Lines as the program splits them; a final CR LF adds no empty line.
std::vector<std::string> tipLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

TEST(TipFile, IsValidGbk) {
  EXPECT_TRUE(decodeGbk(tipFileBytes()));
}

TEST(TipFile, EndsEveryLineWithCrLf) {
  const std::string bytes = tipFileBytes();
  ASSERT_GE(bytes.size(), 2u);
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
  for (std::size_t at = 0; at < bytes.size(); ++at) {
    if (bytes[at] == '\r') {
      EXPECT_TRUE(at + 1 < bytes.size() && bytes[at + 1] == '\n') << "bare CR at byte " << at;
    }
    if (bytes[at] == '\n') {
      EXPECT_TRUE(at > 0 && bytes[at - 1] == '\r') << "bare LF at byte " << at;
    }
  }
}

TEST(TipFile, HasAtLeastFortyTips) {
  EXPECT_GE(tipLines(tipFileBytes()).size(), 40u);
}

TEST(TipFile, HasNoEmptyLine) {
  const std::vector<std::string> lines = tipLines(tipFileBytes());
  for (std::size_t index = 0; index < lines.size(); ++index) {
    EXPECT_FALSE(lines[index].empty()) << "line " << index + 1;
  }
}

}  // namespace
