#pragma once
// A registry holding one value, and the tests' GBK codec.
#include "gbk_codec.h"
#include "regimen/key_value_store.h"

namespace quorvane::fuzzing {

struct OneValueStore : KeyValueStore {
  StoredValue value;
  std::optional<StoredValue> Read(std::string_view, std::string_view) override { return value; }
  long WriteText(std::string_view, std::string_view, std::string_view) override { return 0; }
};

}  // namespace quorvane::fuzzing
