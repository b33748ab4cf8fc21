#include "tips/tip_file.h"

#include <gtest/gtest.h>

#include "fakes.h"

namespace quorvane {
namespace {

using Lines = std::vector<std::string>;

TEST(TipFile, SplitsLinesAtCrLfAndLoneCr) {
  const struct {
    std::string_view text;
    Lines tips;
  } cases[] = {
      {"", {}},
      {"one", {"one"}},
      {"one\r\ntwo", {"one", "two"}},
      {"one\r\ntwo\r\n", {"one", "two"}},  // a final line end adds no tip
      {"one\rtwo\r", {"one", "two"}},
      {"one\ntwo\n", {"one\ntwo\n"}},  // a line feed alone stays in the tip
      {"a\n\rb", {"a\n", "b"}},
      {"a\r\n\r\nb", {"a", "", "b"}},  // a blank line is an empty tip
      {"\r\n", {""}},
      {"\r\r\n\r", {"", "", ""}},
      {"  spaced  \t\r\n", {"  spaced  \t"}},  // nothing is trimmed
      {"# not a comment\r\n", {"# not a comment"}},
      {"强的松\r\n激素", {"强的松", "激素"}},
  };
  for (const auto& c : cases) EXPECT_EQ(SplitTipLines(c.text), c.tips) << ::testing::PrintToString(c.text);
}

TEST(TipFile, ReadsUtf8WhenMarkedOrValidElseTheAnsiCodePage) {
  const testing::GbkCodec gbk;
  const struct {
    std::string bytes;
    std::string text;
  } cases[] = {
      {"\xEF\xBB\xBF强的松\r\n", "强的松\r\n"},  // mark dropped
      {"\xEF\xBB\xBF"
       "plain",
       "plain"},  // marked ASCII
      {"\xEF\xBB\xBF"
       "a\xFF"
       "b",
       "a\xEF\xBF\xBD"
       "b"},                                     // marked but damaged
      {"激素要按医嘱服用", "激素要按医嘱服用"},  // unmarked valid UTF-8
      {testing::ToGbk("激素要按医嘱服用\r\n"), "激素要按医嘱服用\r\n"},
      {testing::ToGbk("强的松6片"), "强的松6片"},
      {"plain ASCII\r\n", "plain ASCII\r\n"},
      {"", ""},
  };
  for (const auto& c : cases)
    EXPECT_EQ(DecodeTipFile(c.bytes, gbk), c.text) << ::testing::PrintToString(c.bytes);
}

TEST(TipFile, GbkLinesSplitAfterDecoding) {
  const testing::GbkCodec gbk;
  EXPECT_EQ(SplitTipLines(DecodeTipFile(testing::ToGbk("第一条\r\n第二条\r第三条"), gbk)),
            (Lines{"第一条", "第二条", "第三条"}));
}

}  // namespace
}  // namespace quorvane
