#include "gbk_decoding.h"

#include <iconv.h>

#include <stdexcept>

std::optional<std::string> decodeGbk(std::string_view gbk) {
  iconv_t converter = iconv_open("UTF-8", "GBK");
  if (converter == reinterpret_cast<iconv_t>(-1)) {
    throw std::runtime_error("no GBK to UTF-8 converter");
  }
  // A GBK character takes at most 3 bytes in UTF-8; ASCII stays 1 byte.
  std::string utf8(gbk.size() * 2 + 1, '\0');
  char* in = const_cast<char*>(gbk.data());
  std::size_t inLeft = gbk.size();
  char* out = utf8.data();
  std::size_t outLeft = utf8.size();
  const std::size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
  iconv_close(converter);
  if (result == static_cast<std::size_t>(-1) || inLeft != 0) {
    return std::nullopt;
  }
  utf8.resize(utf8.size() - outLeft);
  return utf8;
}
