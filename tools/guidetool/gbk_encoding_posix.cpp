#include "gbk_encoding.h"

#include <iconv.h>

#include <stdexcept>

namespace guidetool {

bool encodeGbk(std::string_view utf8, std::string& gbk) {
  iconv_t converter = iconv_open("GBK", "UTF-8");
  if (converter == reinterpret_cast<iconv_t>(-1)) {
    throw std::runtime_error("this C library has no UTF-8 to GBK converter");
  }
  // A GBK character never takes more bytes than its UTF-8 form.
  gbk.assign(utf8.size(), '\0');
  char* in = const_cast<char*>(utf8.data());
  std::size_t inLeft = utf8.size();
  char* out = gbk.data();
  std::size_t outLeft = gbk.size();
  const std::size_t result = iconv(converter, &in, &inLeft, &out, &outLeft);
  iconv_close(converter);
  // glibc counts characters it replaced instead of failing; GBK output must
  // have none.
  if (result != 0 || inLeft != 0) {
    return false;
  }
  gbk.resize(gbk.size() - outLeft);
  return true;
}

}  // namespace guidetool
