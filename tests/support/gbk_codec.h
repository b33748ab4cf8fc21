#pragma once
// GBK through glibc's iconv, as a Chinese Windows reads and writes it: one
// codec for the unit tests, the guide checks and the fuzz targets.
#include <iconv.h>

#include <optional>
#include <string>
#include <string_view>

#include "base/ansi_codec.h"

namespace quorvane::testing {

// Converts up to the first byte the source encoding does not have; `whole`
// tells whether that was the end.
inline std::string Iconv(iconv_t codec, std::string_view bytes, bool* whole = nullptr) {
  std::string in(bytes), out(in.size() * 4 + 4, '\0');
  char *inPtr = in.data(), *outPtr = out.data();
  std::size_t inLeft = in.size(), outLeft = out.size();
  const bool converted = iconv(codec, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1);
  iconv(codec, nullptr, nullptr, nullptr, nullptr);  // ready for the next text
  if (whole) *whole = converted;
  out.resize(out.size() - outLeft);
  return out;
}

inline std::string ToGbk(std::string_view utf8) {
  static const iconv_t codec = iconv_open("GBK", "UTF-8");
  return Iconv(codec, utf8);
}

inline iconv_t GbkToUtf8() {
  static const iconv_t codec = iconv_open("UTF-8", "GBK");
  return codec;
}

// The whole text in UTF-8, or nothing when it is not valid GBK.
inline std::optional<std::string> FromGbk(std::string_view gbk) {
  bool whole = false;
  std::string text = Iconv(GbkToUtf8(), gbk, &whole);
  return whole ? std::optional(std::move(text)) : std::nullopt;
}

struct GbkCodec : AnsiCodec {
  std::string ToUtf8(std::string_view ansiBytes) const override { return Iconv(GbkToUtf8(), ansiBytes); }
};

}  // namespace quorvane::testing
