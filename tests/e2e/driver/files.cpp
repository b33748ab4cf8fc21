#include "files.h"

#include <stdexcept>

#include "text.h"

namespace quorvane_e2e {
namespace {

std::runtime_error FileError(const char* what, const std::wstring& path) {
  return std::runtime_error(std::string(what) + " " + Utf8(path) + " (error " +
                            std::to_string(GetLastError()) + ")");
}

HANDLE OpenForAttributes(const std::wstring& path, DWORD access) {
  HANDLE file = CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) throw FileError("cannot open", path);
  return file;
}

}  // namespace

std::optional<std::string> ReadFileBytes(const std::wstring& path) {
  HANDLE file =
      CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    if (GetLastError() == ERROR_FILE_NOT_FOUND) return std::nullopt;
    throw FileError("cannot open", path);
  }
  std::string bytes;
  char chunk[65536];
  DWORD read = 0;
  BOOL ok = TRUE;
  while ((ok = ReadFile(file, chunk, sizeof chunk, &read, nullptr)) && read > 0) bytes.append(chunk, read);
  CloseHandle(file);
  if (!ok) throw FileError("cannot read", path);
  return bytes;
}

void WriteFileBytes(const std::wstring& path, const std::string& bytes) {
  HANDLE file =
      CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) throw FileError("cannot create", path);
  DWORD written = 0;
  const BOOL ok = ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  if (!ok || written != bytes.size()) throw FileError("cannot write", path);
}

unsigned long long LastWriteTime(const std::wstring& path) {
  HANDLE file = OpenForAttributes(path, FILE_READ_ATTRIBUTES);
  FILETIME written = {};
  const BOOL ok = GetFileTime(file, nullptr, nullptr, &written);
  CloseHandle(file);
  if (!ok) throw FileError("cannot read the times of", path);
  return (static_cast<unsigned long long>(written.dwHighDateTime) << 32) | written.dwLowDateTime;
}

void SetLastWriteTime(const std::wstring& path, unsigned long long ticks) {
  HANDLE file = OpenForAttributes(path, FILE_WRITE_ATTRIBUTES);
  const FILETIME written = {static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
  const BOOL ok = SetFileTime(file, nullptr, nullptr, &written);
  CloseHandle(file);
  if (!ok) throw FileError("cannot set the times of", path);
}

HeldFile::HeldFile(const std::wstring& path, DWORD access, DWORD sharing)
    : file_(CreateFileW(path.c_str(), access, sharing, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                        nullptr)) {
  if (file_ == INVALID_HANDLE_VALUE) throw FileError("cannot hold", path);
}

HeldFile::~HeldFile() { CloseHandle(file_); }

}  // namespace quorvane_e2e
