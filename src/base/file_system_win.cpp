#include "base/file_system_win.h"

#include <windows.h>

#include "base/text_win.h"
#include "base/unique_handle_win.h"

namespace quorvane {
namespace {

bool Fail(FileError* error) {
  if (error) error->description = Narrow(ErrorDescription(GetLastError()));
  return false;
}

bool WriteBytes(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 20));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

bool IsFolder(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool CreateFolderTree(const std::wstring& path) {
  if (CreateDirectoryW(path.c_str(), nullptr)) return true;
  const DWORD error = GetLastError();
  if (error == ERROR_ALREADY_EXISTS) {
    if (IsFolder(path)) return true;
    SetLastError(error);  // a file stands where the folder should be
    return false;
  }
  const std::size_t slash = path.find_last_of(L"\\/");
  if (error != ERROR_PATH_NOT_FOUND || slash == std::wstring::npos || slash == 0) return false;
  return CreateFolderTree(path.substr(0, slash)) && CreateDirectoryW(path.c_str(), nullptr);
}

}  // namespace

bool WindowsFileSystem::CreateFolder(std::string_view path, FileError* error) {
  return CreateFolderTree(Widen(path)) || Fail(error);
}

bool WindowsFileSystem::Exists(std::string_view path) {
  const DWORD attributes = GetFileAttributesW(Widen(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<std::uint64_t> WindowsFileSystem::FileSize(std::string_view path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExW(Widen(path).c_str(), GetFileExInfoStandard, &data) ||
      (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
    return std::nullopt;
  return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

std::optional<std::string> WindowsFileSystem::ReadAll(std::string_view path, FileError* error) {
  const UniqueFile file(CreateFileW(Widen(path).c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return Fail(error), std::nullopt;
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.Get(), &size)) return Fail(error), std::nullopt;
  std::string content(static_cast<std::size_t>(size.QuadPart), '\0');
  std::size_t done = 0;
  while (done < content.size()) {
    DWORD read = 0;
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(content.size() - done, 1u << 20));
    if (!ReadFile(file.Get(), content.data() + done, chunk, &read, nullptr)) return Fail(error), std::nullopt;
    if (read == 0) break;
    done += read;
  }
  content.resize(done);
  return content;
}

bool WindowsFileSystem::WriteAll(std::string_view path, std::string_view bytes, FileError* error) {
  const UniqueFile file(CreateFileW(Widen(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file || !WriteBytes(file.Get(), bytes) || !FlushFileBuffers(file.Get())) return Fail(error);
  return true;
}

bool WindowsFileSystem::Rename(std::string_view from, std::string_view to, FileError* error) {
  if (!MoveFileExW(Widen(from).c_str(), Widen(to).c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return Fail(error);
  return true;
}

void WindowsFileSystem::Remove(std::string_view path) { DeleteFileW(Widen(path).c_str()); }

bool WindowsFileSystem::AcceptsNewFiles(std::string_view folder) {
  // Trying is the one test that also covers read-only shares and media; the
  // system removes the file when the handle closes.
  const std::wstring probe = Widen(folder) + L"\\~Quorvane-write-test.tmp";
  const UniqueFile file(
      CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                  FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
  return static_cast<bool>(file);
}

void WindowsFileSystem::CreateFolder(std::string_view folder) { CreateFolderTree(Widen(folder)); }

}  // namespace quorvane
