#include "running_program.h"

#include <stdexcept>

#include "text.h"

namespace quorvane_e2e {

RunningProgram::RunningProgram(const std::wstring& programPath) {
  std::wstring commandLine = L"\"" + programPath + L"\"";
  wchar_t systemFolder[MAX_PATH] = {};
  GetSystemDirectoryW(systemFolder, MAX_PATH);
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started = {};
  if (!CreateProcessW(programPath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      systemFolder, &startup, &started)) {
    throw std::runtime_error("cannot start " + Utf8(programPath) + " (error " +
                             std::to_string(GetLastError()) + ")");
  }
  CloseHandle(started.hThread);
  process_ = started.hProcess;
  processId_ = started.dwProcessId;
}

RunningProgram::~RunningProgram() {
  if (!HasEnded()) {
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, static_cast<DWORD>(kPatience.count()));
  }
  CloseHandle(process_);
}

bool RunningProgram::HasEnded() const { return WaitForSingleObject(process_, 0) == WAIT_OBJECT_0; }

bool RunningProgram::WaitForEnd(std::chrono::milliseconds limit) const {
  return WaitForSingleObject(process_, static_cast<DWORD>(limit.count())) == WAIT_OBJECT_0;
}

}  // namespace quorvane_e2e
