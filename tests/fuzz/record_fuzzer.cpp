// Any bytes as the stored record: read the three ways it can reach the parser
// (already UTF-8, a registry text value, ANSI bytes). Whatever the parser
// makes of it, the record built from the result must read back the same.
#include <cstdlib>

#include "fuzz_support.h"
#include "regimen/record.h"
#include "regimen/regimen_store.h"

using namespace quorvane;

namespace {

void ApplyAndRebuild(std::string_view record) {
  RegimenValues values;
  ApplyRegimen(record, values);
  RegimenValues again;
  ApplyRegimen(BuildRegimen(values), again);
  if (!(again == values)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ApplyAndRebuild({reinterpret_cast<const char*>(data), size});
  for (const bool isText : {true, false}) {
    fuzzing::OneValueStore store;
    store.value = {isText, {data, data + size}};
    ApplyAndRebuild(ReadRegimen(store, fuzzing::GbkCodec()));
  }
  return 0;
}
