#pragma once
// GBK through glibc's iconv, as a Chinese Windows reads and writes it: one
// codec for the unit tests and the fuzz targets.
#include <iconv.h>

#include <string>
#include <string_view>

#include "base/ansi_codec.h"

namespace quorvane::testing {

// Converts up to the first byte the source encoding does not have.
inline std::string Iconv(iconv_t codec, std::string_view bytes) {
  std::string in(bytes), out(in.size() * 4 + 4, '\0');
  char *inPtr = in.data(), *outPtr = out.data();
  std::size_t inLeft = in.size(), outLeft = out.size();
  iconv(codec, &inPtr, &inLeft, &outPtr, &outLeft);
  iconv(codec, nullptr, nullptr, nullptr, nullptr);  // ready for the next text
  out.resize(out.size() - outLeft);
  return out;
}

inline std::string ToGbk(std::string_view utf8) {
  static const iconv_t codec = iconv_open("GBK", "UTF-8");
  return Iconv(codec, utf8);
}

struct GbkCodec : AnsiCodec {
  std::string ToUtf8(std::string_view ansiBytes) const override {
    static const iconv_t codec = iconv_open("UTF-8", "GBK");
    return Iconv(codec, ansiBytes);
  }
};

}  // namespace quorvane::testing
