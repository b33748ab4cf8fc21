#pragma once
#include "base/data_folders.h"
#include "base/file_system.h"

namespace quorvane {

class WindowsFileSystem : public FileSystem, public FolderAccess {
 public:
  bool Exists(std::string_view path) override;
  std::optional<std::uint64_t> FileSize(std::string_view path) override;
  std::optional<std::string> ReadAll(std::string_view path, FileError* error) override;
  bool WriteAll(std::string_view path, std::string_view bytes, FileError* error) override;
  bool Rename(std::string_view from, std::string_view to, FileError* error) override;
  void Remove(std::string_view path) override;
  bool CreateFolder(std::string_view path, FileError* error) override;
  bool AcceptsNewFiles(std::string_view folder) override;
  void CreateFolder(std::string_view folder) override;
};

}  // namespace quorvane
