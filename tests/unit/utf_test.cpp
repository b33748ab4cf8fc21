#include "base/utf.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

TEST(Utf, ConvertsBetweenUtf8AndUtf16) {
  for (const std::string text : {"", "abc", "强的松6片，别忘记！", "😀 emoji", "ü"}) {
    EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16(text)), text);
    EXPECT_TRUE(IsValidUtf8(text));
  }
  EXPECT_EQ(Utf8ToUtf16("😀").size(), 2u);
}

TEST(Utf, TellsUtf8FromOtherBytes) {
  EXPECT_FALSE(IsValidUtf8("\xC7\xBF\xB5\xC4\xCB\xC9"));  // 强的松 in GBK
  EXPECT_FALSE(IsValidUtf8("\xC0\x80"));                  // overlong NUL
  EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));              // surrogate
  EXPECT_FALSE(IsValidUtf8("\xE5\xBC"));                  // cut short
  EXPECT_TRUE(HasNonAscii("a\x80"));
  EXPECT_FALSE(HasNonAscii("plain"));
  EXPECT_TRUE(StartsWithUtf8Bom("\xEF\xBB\xBFx"));
}

TEST(Utf, ReplacesBrokenSequencesAndLoneSurrogates) {
  EXPECT_EQ(Utf8ToUtf16("a\xFF" "b"), u"a\uFFFDb");
  EXPECT_EQ(Utf16ToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
}

}  // namespace
}  // namespace quorvane
