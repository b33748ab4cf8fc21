#include "program_folder.h"

#include <windows.h>

#include <stdexcept>

#include "text.h"

namespace quorvane_e2e {

std::wstring ProgramUnderTest() {
  wchar_t value[2048] = {};
  const DWORD length = GetEnvironmentVariableW(L"QUORVANE_EXE", value, 2048);
  if (length == 0 || length >= 2048) {
    throw std::runtime_error("QUORVANE_EXE does not name the Quorvane.exe to test");
  }
  std::wstring path(value, length);
  if (path.front() == L'/') {
    for (wchar_t& c : path) {
      if (c == L'/') c = L'\\';
    }
    path = L"Z:" + path;
  }
  return path;
}

ProgramFolder::ProgramFolder() {
  const std::wstring base = L"C:\\Program Files\\Quorvane Test ";
  for (int n = 1;; ++n) {
    path_ = base + std::to_wstring(n);
    if (CreateDirectoryW(path_.c_str(), nullptr)) break;
    if (GetLastError() != ERROR_ALREADY_EXISTS) {
      throw std::runtime_error("cannot make the folder " + Utf8(path_));
    }
  }
  const std::wstring source = ProgramUnderTest();
  if (!CopyFileW(source.c_str(), ProgramPath().c_str(), TRUE)) {
    throw std::runtime_error("cannot copy " + Utf8(source) + " to " + Utf8(ProgramPath()) + " (error " +
                             std::to_string(GetLastError()) + ")");
  }
}

void ProgramFolder::WriteFile(const std::wstring& name, const std::string& bytes) const {
  const std::wstring filePath = path_ + L"\\" + name;
  HANDLE file =
      CreateFileW(filePath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot create " + Utf8(filePath));
  DWORD written = 0;
  const BOOL ok = ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  if (!ok || written != bytes.size()) throw std::runtime_error("cannot write " + Utf8(filePath));
}

}  // namespace quorvane_e2e
