// Files as the tests see them: exact bytes, last-write times, and a file held
// open the way another program (a viewer, an editor) holds it.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace quorvane_e2e {

// The file's bytes, or nothing when there is no such file. Throws when the
// file is there but cannot be read.
std::optional<std::string> ReadFileBytes(const std::wstring& path);

// Creates or replaces the file with exactly these bytes.
void WriteFileBytes(const std::wstring& path, const std::string& bytes);

// The file's last-write time, as FILETIME ticks; setting it to a time long
// past lets a test see whether the file is written again.
unsigned long long LastWriteTime(const std::wstring& path);
void SetLastWriteTime(const std::wstring& path, unsigned long long ticks);

// Keeps a file open with the given sharing for as long as it lives.
class HeldFile {
 public:
  HeldFile(const std::wstring& path, DWORD access, DWORD sharing);
  ~HeldFile();
  HeldFile(const HeldFile&) = delete;
  HeldFile& operator=(const HeldFile&) = delete;

 private:
  HANDLE file_;
};

}  // namespace quorvane_e2e
