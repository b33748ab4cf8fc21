// Any bytes as the diary file: writing the rows back and reading them again
// gives the same days, and every row that was not understood comes back byte
// for byte, so saving the diary never loses anything.
#include "diary/diary_rows.h"

using namespace quorvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const DiaryRows read = ParseDiaryRows({reinterpret_cast<const char*>(data), size});
  const DiaryRows again = ParseDiaryRows(FormatDiaryFile(read.rows));
  if (again.rows.size() != read.rows.size() || again.unreadable != read.unreadable) __builtin_trap();
  for (std::size_t i = 0; i < read.rows.size(); ++i) {
    const DiaryRow &before = read.rows[i], &after = again.rows[i];
    if (after.entry != before.entry || (!before.entry && after.text != before.text)) __builtin_trap();
  }
  return 0;
}
