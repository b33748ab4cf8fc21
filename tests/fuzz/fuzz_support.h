#pragma once
// GBK as a Chinese Windows decodes it, and a registry holding one value.
#include <iconv.h>

#include "base/ansi_codec.h"
#include "regimen/key_value_store.h"

namespace quorvane::fuzzing {

struct GbkCodec : AnsiCodec {
  std::string ToUtf8(std::string_view ansiBytes) const override {
    static iconv_t codec = iconv_open("UTF-8", "GBK");
    std::string in(ansiBytes), out(in.size() * 4 + 4, '\0');
    char *inPtr = in.data(), *outPtr = out.data();
    std::size_t inLeft = in.size(), outLeft = out.size();
    iconv(codec, &inPtr, &inLeft, &outPtr, &outLeft);  // stops at the first invalid byte
    iconv(codec, nullptr, nullptr, nullptr, nullptr);
    out.resize(out.size() - outLeft);
    return out;
  }
};

struct OneValueStore : KeyValueStore {
  StoredValue value;
  std::optional<StoredValue> Read(std::string_view, std::string_view) override { return value; }
  long WriteText(std::string_view, std::string_view, std::string_view) override { return 0; }
};

}  // namespace quorvane::fuzzing
