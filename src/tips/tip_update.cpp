#include "tips/tip_update.h"

#include "base/data_folders.h"
#include "tips/tip_texts.h"

namespace quorvane {
namespace {

// An error page, a cut-off body or a runaway one must not replace the
// user's tips.
bool IsNewTipFile(const HttpResponse& response) {
  return response.transportOk && response.complete && response.status >= 200 && response.status < 300 &&
         !response.body.empty() && response.body.size() <= kMaxTipFileBytes;
}

void Update(const TipUpdateContext& context) {
  const HttpResponse response = context.http.Get(context.downloadAddress, kMaxTipFileBytes);
  if (!IsNewTipFile(response)) return context.boxes.Show(kTipUpdateFailed);

  FileError error;
  const std::string target = TipFilePath(context.folder, kDownloadedTipFileName);
  if (!context.files.ReplaceAtomically(target, response.body, &error))
    return context.boxes.Show(CannotWriteFileText(target, error.description));
  context.boxes.Show(kTipUpdateSucceeded);

  if (context.tips.LoadFromFolder(context.folder).status == TipFileStatus::Unreadable)
    context.boxes.Show(kTipUpdateFailed);
}

}  // namespace

void UpdateTipFile(const TipUpdateContext& context) {
  // Out of memory, a download thread that cannot start: the update failed.
  try {
    Update(context);
  } catch (...) {
    context.boxes.Show(kTipUpdateFailed);
  }
}

}  // namespace quorvane
