#include "program_folder.h"

#include <windows.h>

#include <algorithm>
#include <stdexcept>

#include "build_outputs.h"
#include "files.h"
#include "text.h"

namespace quorvane_e2e {

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
  WriteFileBytes(FilePath(name), bytes);
}

std::vector<std::string> ProgramFolder::FileNames() const {
  std::vector<std::string> names;
  WIN32_FIND_DATAW found = {};
  HANDLE search = FindFirstFileW(FilePath(L"*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot list " + Utf8(path_));
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(Utf8(found.cFileName));
  } while (FindNextFileW(search, &found));
  FindClose(search);
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace quorvane_e2e
