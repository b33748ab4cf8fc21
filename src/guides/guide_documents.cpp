#include "guides/guide_documents.h"

#include "base/data_folders.h"

namespace quorvane {

std::optional<std::string> WriteAndOpenGuide(const GuideDocument& guide, std::string_view bytes,
                                             std::string_view folder, FileSystem& files, ShellOpener& shell) {
  const std::string path = std::string(folder) + std::string(guide.fileName);
  // The sizes first: a stale file of any size must not be read whole.
  const auto size = files.FileSize(path);
  const auto present = size && *size == bytes.size() ? files.ReadAll(path, nullptr) : std::nullopt;
  if (!present || *present != bytes) {
    FileError error;
    if (!files.WriteAll(path, bytes, &error)) return CannotWriteFileText(path, error.description);
  }
  shell.Open(std::string(folder) + std::string(guide.openName));
  return std::nullopt;
}

}  // namespace quorvane
