// Any bytes as the diary or the self-check file: writing the rows back and
// reading them again gives the same entries, and every row that was not
// understood comes back byte for byte, so saving never loses anything.
#include "diary/diary_rows.h"
#include "selfcheck/self_check.h"

using namespace quorvane;

template <typename Format>
void RoundTrip(std::string_view bytes) {
  const auto read = ParseDatedRows<Format>(bytes);
  const auto again = ParseDatedRows<Format>(FormatDatedFile<Format>(read.rows));
  if (again.rows.size() != read.rows.size() || again.unreadable != read.unreadable) __builtin_trap();
  for (std::size_t i = 0; i < read.rows.size(); ++i) {
    const auto &before = read.rows[i], &after = again.rows[i];
    if (after.entry != before.entry || (!before.entry && after.text != before.text)) __builtin_trap();
  }
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  RoundTrip<DiaryFormat>(bytes);
  RoundTrip<SelfCheckFormat>(bytes);
  for (const auto& row : ParseDatedRows<SelfCheckFormat>(bytes).rows)
    if (row.entry && row.entry->Total() > 24) __builtin_trap();
  return 0;
}
