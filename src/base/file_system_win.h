#pragma once
#include "base/file_system.h"

namespace quorvane {

class WindowsFileSystem : public FileSystem {
 public:
  bool Exists(std::string_view path) override;
  std::optional<std::string> ReadAll(std::string_view path, FileError* error) override;
  bool WriteAll(std::string_view path, std::string_view bytes, FileError* error) override;
  bool Rename(std::string_view from, std::string_view to, FileError* error) override;
  void Remove(std::string_view path) override;
};

}  // namespace quorvane
