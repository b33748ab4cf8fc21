// Any bytes as the stored record, read the three ways it can reach the parser
// (already UTF-8, a registry text value, ANSI bytes): whatever the parser makes
// of it, the record built from the result reads back the same.
#include "gbk_codec.h"
#include "regimen/key_value_store.h"
#include "regimen/record.h"
#include "regimen/regimen_store.h"

using namespace quorvane;

// A registry holding one value.
struct OneValueStore : KeyValueStore {
  StoredValue value;
  std::optional<StoredValue> Read(std::string_view, std::string_view) override { return value; }
  long WriteText(std::string_view, std::string_view, std::string_view) override { return 0; }
};

static void ApplyAndRebuild(std::string_view record) {
  RegimenValues values, again;
  ApplyRegimen(record, values);
  ApplyRegimen(BuildRegimen(values), again);
  if (!(again == values)) __builtin_trap();
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ApplyAndRebuild({reinterpret_cast<const char*>(data), size});
  for (const bool isText : {true, false}) {
    OneValueStore store;
    store.value = {isText, {data, data + size}};
    ApplyAndRebuild(ReadRegimen(store, testing::GbkCodec()));
  }
  return 0;
}
