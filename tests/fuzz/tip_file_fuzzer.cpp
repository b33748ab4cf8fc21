// Any bytes as a tip file: the decoded text is valid UTF-8 that survives the
// trip through UTF-16 to the controls, and no tip keeps a line end.
#include "base/utf.h"
#include "gbk_codec.h"
#include "tips/tip_file.h"

using namespace quorvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text = DecodeTipFile({reinterpret_cast<const char*>(data), size}, testing::GbkCodec());
  if (!IsValidUtf8(text) || Utf16ToUtf8(Utf8ToUtf16(text)) != text) __builtin_trap();
  for (const std::string& tip : SplitTipLines(text))
    if (tip.find('\r') != std::string::npos) __builtin_trap();
  return 0;
}
