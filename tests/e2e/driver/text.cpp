#include "text.h"

#include <windows.h>

namespace quorvane_e2e {
namespace {

constexpr UINT kGbkCodePage = 936;

std::string Narrow(const std::wstring& text, UINT codePage) {
  if (text.empty()) return {};
  const int size = WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                       nullptr, nullptr);
  std::string result(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), result.data(), size, nullptr,
                      nullptr);
  return result;
}

std::wstring Widen(const std::string& text, UINT codePage) {
  if (text.empty()) return {};
  const int size = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring result(static_cast<size_t>(size), L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), result.data(), size);
  return result;
}

}  // namespace

std::string Utf8(const std::wstring& text) { return Narrow(text, CP_UTF8); }

std::wstring Wide(const std::string& utf8) { return Widen(utf8, CP_UTF8); }

std::string Gbk(const std::string& utf8) { return Narrow(Wide(utf8), kGbkCodePage); }

std::string FromGbk(const std::string& gbk) { return Utf8(Widen(gbk, kGbkCodePage)); }

}  // namespace quorvane_e2e
