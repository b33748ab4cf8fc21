#include "base/dated_csv.h"

#include <cstdio>

namespace quorvane {
namespace {

std::string TooLargeText(std::uint64_t bytes) {
  char size[32];
  std::snprintf(size, sizeof size, "%.1f", static_cast<double>(bytes) / (1024 * 1024));
  return std::string("文件有 ") + size + " MB，超过了 16 MB 的上限。程序没有读取它，也不会改动它。";
}

}  // namespace

std::string CannotReadRecordText(std::string_view what, std::string_view path, const FileError& error) {
  return "无法读取" + std::string(what) + "“" + std::string(path) + "”：" + error.description;
}

std::string CannotSaveRecordText(std::string_view what, std::string_view path, const FileError& error) {
  return "无法保存" + std::string(what) + "“" + std::string(path) + "”：" + error.description;
}

std::string KeptRowsText(std::string_view what, std::string_view path, int unreadableRows) {
  if (unreadableRows <= 0) return {};
  return std::string(what) + "“" + std::string(path) + "”中有 " + std::to_string(unreadableRows) +
         " 行无法读取，这些行已原样保留在文件中。";
}

std::optional<std::string> ReadRecordFile(FileSystem& files, std::string_view path, FileError* error) {
  if (!files.Exists(path)) return std::string();
  // Measured before reading, so that a huge file never comes into memory;
  // checked again after, for a file that grew in between.
  if (const auto size = files.FileSize(path); size && *size > kMaxRecordFileBytes) {
    if (error) error->description = TooLargeText(*size);
    return std::nullopt;
  }
  auto bytes = files.ReadAll(path, error);
  if (bytes && bytes->size() > kMaxRecordFileBytes) {
    if (error) error->description = TooLargeText(bytes->size());
    return std::nullopt;
  }
  return bytes;
}

bool WriteRecordFile(FileSystem& files, std::string_view path, std::string_view bytes, FileError* error) {
  const std::size_t slash = path.find_last_of("\\/");
  const std::string_view folder =
      slash == std::string_view::npos ? std::string_view() : path.substr(0, slash);
  if (!folder.empty() && !files.CreateFolder(folder, error)) return false;
  return files.ReplaceAtomically(path, bytes, error);
}

}  // namespace quorvane
