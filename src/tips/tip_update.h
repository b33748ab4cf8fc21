#pragma once
// "更新知识库": fetches a fresh tip file and its signature, puts the file in
// place of the old one when the publisher signed it, and loads the new tips
// into the open window.
#include <cstddef>
#include <string>

#include "base/file_system.h"
#include "base/message_boxes.h"
#include "tips/http_client.h"
#include "tips/signature_verifier.h"
#include "tips/tips_of_the_day.h"

namespace quorvane {

// A tip file is a few kilobytes; anything near this is not one.
inline constexpr std::size_t kMaxTipFileBytes = 4 * 1024 * 1024;

struct TipUpdateContext {
  HttpClient& http;
  FileSystem& files;
  MessageBoxes& boxes;
  TipsOfTheDay& tips;
  SignatureVerifier& verifier;
  std::string downloadAddress;  // the signature is at this address + ".sig"
  std::string folder;           // where the program writes its files
};

// Only a complete 2xx response with a body replaces the tip file, only when a
// second such response holds the publisher's signature of exactly those
// bytes, and in one step, so after any failure the old file is there byte for
// byte. Then "更新成功" and the new tips are appended to the list. A missing
// or wrong signature has its own box; a file that cannot be written is named
// with the system's reason; every other failure, a failed reload or an
// exception included, ends in the one failure box.
void UpdateTipFile(const TipUpdateContext& context);

}  // namespace quorvane
