#include "base/file_system.h"

namespace quorvane {

std::string FileProblemText(std::string_view heading, std::string_view path, std::string_view reason) {
  std::string text(heading);
  text += path;
  text += "\r\n\r\n";
  text += reason;
  return text;
}

bool FileSystem::ReplaceAtomically(std::string_view path, std::string_view bytes, FileError* error) {
  const std::string temporary = std::string(path) + ".new";
  if (WriteAll(temporary, bytes, error) && Rename(temporary, path, error)) return true;
  Remove(temporary);
  return false;
}

}  // namespace quorvane
