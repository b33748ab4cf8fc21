#include "base/program_folder_win.h"

#include <windows.h>

#include <shlobj.h>

#include "base/file_system_win.h"
#include "base/shell_com_win.h"
#include "base/text_win.h"

namespace quorvane {
namespace {

// SHGetFolderPathW rather than its successor: it is there on Windows 7.
std::wstring ShellFolder(int csidl) {
  wchar_t path[MAX_PATH] = L"";
  PrepareComForShell();
  if (FAILED(SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path))) return {};
  return path;
}

}  // namespace

std::wstring ProgramPath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

std::wstring ProgramFolder() {
  std::wstring path = ProgramPath();
  path.resize(path.find_last_of(L"\\/") == std::wstring::npos ? 0 : path.find_last_of(L"\\/"));
  return path;
}

DataFolders CurrentDataFolders() {
  WindowsFileSystem files;
  return ChooseDataFolders(Narrow(ProgramFolder()), Narrow(ShellFolder(CSIDL_LOCAL_APPDATA) + L"\\Quorvane"),
                           files);
}

std::wstring RecordFolder() { return ShellFolder(CSIDL_APPDATA) + L"\\Quorvane"; }

std::string RecordFilePath(std::string_view name) {
  return Narrow(RecordFolder()) + "\\" + std::string(name);
}

std::wstring DocumentsFolder() { return ShellFolder(CSIDL_PERSONAL); }

}  // namespace quorvane
