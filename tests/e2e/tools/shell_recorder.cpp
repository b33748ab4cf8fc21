// quorvane_shellrecorder.exe: the test prefix's "open" command for http,
// https, .chm and .html. It appends its argument, as a UTF-8 line, to the
// file named by QUORVANE_SHELL_LOG instead of opening anything.
#include <windows.h>

#include <shellapi.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  wchar_t log[1024];
  char line[4096];
  const int size = argc == 2 ? WideCharToMultiByte(CP_UTF8, 0, argv[1], -1, line, 4096, nullptr, nullptr) : 0;
  if (!size || !GetEnvironmentVariableW(L"QUORVANE_SHELL_LOG", log, 1024)) return 2;
  line[size - 1] = '\n';
  // One append is one write, even when two recorders run at once.
  HANDLE file = CreateFileW(log, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                            0, nullptr);
  DWORD written = 0;
  return WriteFile(file, line, size, &written, nullptr) && CloseHandle(file) ? 0 : 1;
}
