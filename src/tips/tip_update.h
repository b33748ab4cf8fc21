#pragma once
// "更新知识库": fetches a fresh tip file, puts it in place of the old one and
// loads the new tips into the open window.
#include <cstddef>
#include <string>

#include "base/file_system.h"
#include "base/message_boxes.h"
#include "tips/http_client.h"
#include "tips/tips_of_the_day.h"

namespace quorvane {

// A tip file is a few kilobytes; anything near this is not one.
inline constexpr std::size_t kMaxTipFileBytes = 4 * 1024 * 1024;

struct TipUpdateContext {
  HttpClient& http;
  FileSystem& files;
  MessageBoxes& boxes;
  TipsOfTheDay& tips;
  std::string downloadAddress;
  std::string folder;  // where the program writes its files
};

// Only a complete 2xx response with a body replaces the tip file, and it does
// so in one step, so after any failure the old file is there byte for byte.
// Then "更新成功" and the new tips are appended to the list. A file that
// cannot be written is named with the system's reason; every other failure,
// a failed reload or an exception included, ends in the one failure box.
void UpdateTipFile(const TipUpdateContext& context);

}  // namespace quorvane
