#include "gbk_encoding.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <limits>
#include <stdexcept>
#include <string>

namespace guidetool {

namespace {

constexpr UINT kGbkCodePage = 936;

}  // namespace

bool encodeGbk(std::string_view utf8, std::string& gbk) {
  gbk.clear();
  if (utf8.empty()) {
    return true;
  }
  if (utf8.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
    throw std::runtime_error("text too long to convert");
  }
  const int utf8Length = static_cast<int>(utf8.size());
  const int wideLength =
      MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), utf8Length, nullptr, 0);
  if (wideLength == 0) {
    return false;
  }
  std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
  MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data(), utf8Length, wide.data(), wideLength);
  // Without WC_NO_BEST_FIT_CHARS Windows quietly maps missing characters to
  // look-alikes; lpUsedDefaultChar reports any it could not map at all.
  BOOL usedDefault = FALSE;
  const int gbkLength = WideCharToMultiByte(kGbkCodePage, WC_NO_BEST_FIT_CHARS, wide.data(), wideLength,
                                            nullptr, 0, nullptr, &usedDefault);
  if (gbkLength == 0 || usedDefault) {
    return false;
  }
  gbk.assign(static_cast<std::size_t>(gbkLength), '\0');
  WideCharToMultiByte(kGbkCodePage, WC_NO_BEST_FIT_CHARS, wide.data(), wideLength, gbk.data(), gbkLength,
                      nullptr, &usedDefault);
  return !usedDefault;
}

}  // namespace guidetool
