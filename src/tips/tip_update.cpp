#include "tips/tip_update.h"

#include "base/data_folders.h"
#include "tips/tip_texts.h"

namespace quorvane {
namespace {

bool Arrived(const HttpResponse& response) {
  return response.transportOk && response.complete && response.body.size() <= kMaxTipFileBytes;
}

// An error page, a cut-off body or a runaway one must not replace the
// user's tips.
bool IsDownloaded(const HttpResponse& response) {
  return Arrived(response) && response.status >= 200 && response.status < 300 && !response.body.empty();
}

void Update(const TipUpdateContext& context) {
  const HttpResponse response = context.http.Get(context.downloadAddress, kMaxTipFileBytes);
  if (!IsDownloaded(response)) return context.boxes.Show(kTipUpdateFailed);
  // The network failing now is still the network; a server that answers
  // without a signature (404 and the like) or with a wrong one is not.
  const HttpResponse signature = context.http.Get(context.downloadAddress + ".sig", kMaxTipFileBytes);
  if (!Arrived(signature) || signature.status == 0) return context.boxes.Show(kTipUpdateFailed);
  if (!IsDownloaded(signature) || !context.verifier.Verify(response.body, signature.body))
    return context.boxes.Show(kTipUpdateNotSigned);

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
