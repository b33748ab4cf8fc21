// Any bytes as the self-check file: writing the rows back and reading them
// again gives the same checks, and every row that was not understood comes
// back byte for byte.
#include "selfcheck/self_check.h"

using namespace quorvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto read = ParseDatedRows<SelfCheckFormat>({reinterpret_cast<const char*>(data), size});
  const auto again = ParseDatedRows<SelfCheckFormat>(FormatDatedFile<SelfCheckFormat>(read.rows));
  if (again.rows.size() != read.rows.size() || again.unreadable != read.unreadable) __builtin_trap();
  for (std::size_t i = 0; i < read.rows.size(); ++i) {
    const auto &before = read.rows[i], &after = again.rows[i];
    if (after.entry != before.entry || (!before.entry && after.text != before.text)) __builtin_trap();
    if (before.entry && before.entry->Total() > 24) __builtin_trap();
  }
  return 0;
}
