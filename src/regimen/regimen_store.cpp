#include "regimen/regimen_store.h"

#include "base/utf.h"

namespace quorvane {
namespace {

std::string DecodeText(const std::vector<std::uint8_t>& data) {
  std::u16string text;
  for (std::size_t i = 0; i + 1 < data.size(); i += 2) {
    const char16_t unit = static_cast<char16_t>(data[i] | (data[i + 1] << 8));
    if (unit == 0) break;
    text += unit;
  }
  return Utf16ToUtf8(text);
}

std::string DecodeAnsi(const std::vector<std::uint8_t>& data, const AnsiCodec& ansi) {
  std::string bytes(data.begin(), data.end());
  if (const auto nul = bytes.find('\0'); nul != std::string::npos) bytes.resize(nul);
  return ansi.ToUtf8(bytes);
}

}  // namespace

std::string ReadRegimen(KeyValueStore& store, const AnsiCodec& ansi) {
  const auto value = store.Read(kRecordKey, kValueName);
  if (!value) return {};
  return value->isText ? DecodeText(value->data) : DecodeAnsi(value->data, ansi);
}

long SaveRegimen(KeyValueStore& store, std::string_view record) {
  return store.WriteText(kRecordKey, kValueName, record);
}

std::string StartupCommand(std::string_view programPath) {
  std::string_view stem = programPath;
  const auto slash = stem.find_last_of("\\/");
  const auto dot = stem.find_last_of('.');
  if (dot != std::string_view::npos && (slash == std::string_view::npos || dot > slash))
    stem = stem.substr(0, dot);
  return "\"" + std::string(stem) + ".exe\"";
}

void WriteStartupEntry(KeyValueStore& store, std::string_view programPath) {
  store.WriteText(kRunKey, kValueName, StartupCommand(programPath));
}

}  // namespace quorvane
