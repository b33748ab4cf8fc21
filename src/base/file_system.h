#pragma once
// Files as far as the program touches them. Paths
// are UTF-8; failures carry the system's description of what went wrong.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

struct FileError {
  std::string description;
};

// How every box about a file reads: "<heading><path>", a blank line, then
// the system's reason.
std::string FileProblemText(std::string_view heading, std::string_view path, std::string_view reason);

class FileSystem {
 public:
  virtual ~FileSystem() = default;
  virtual bool Exists(std::string_view path) = 0;
  // The size of the file, or nothing when there is no file to measure; lets a
  // caller refuse or compare a file before reading it.
  virtual std::optional<std::uint64_t> FileSize(std::string_view path) = 0;
  // The whole content, or nothing with the reason in *error.
  virtual std::optional<std::string> ReadAll(std::string_view path, FileError* error) = 0;
  // Creates or truncates the file and writes exactly these bytes through to
  // the disk.
  virtual bool WriteAll(std::string_view path, std::string_view bytes, FileError* error) = 0;
  // Renames a file over another in one step.
  virtual bool Rename(std::string_view from, std::string_view to, FileError* error) = 0;
  virtual void Remove(std::string_view path) = 0;
  // Creates the folder and any missing folders above it; true when it exists.
  virtual bool CreateFolder(std::string_view path, FileError* error) = 0;

  // Writes "<path>.new" beside the target and renames it over the target, so
  // the old file stays whole if anything fails; the temporary file is never
  // left behind.
  bool ReplaceAtomically(std::string_view path, std::string_view bytes, FileError* error);
};

}  // namespace quorvane
