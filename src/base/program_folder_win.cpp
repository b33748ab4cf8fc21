#include "base/program_folder_win.h"

#include <windows.h>

#include <shlobj.h>

#include "base/file_system_win.h"
#include "base/shell_com_win.h"
#include "base/text_win.h"

namespace quorvane {

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
  // SHGetFolderPathW rather than its successor: it is there on Windows 7.
  wchar_t local[MAX_PATH] = L"";
  PrepareComForShell();
  SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, local);
  WindowsFileSystem files;
  return ChooseDataFolders(Narrow(ProgramFolder()), Narrow(std::wstring(local) + L"\\Quorvane"), files);
}

}  // namespace quorvane
