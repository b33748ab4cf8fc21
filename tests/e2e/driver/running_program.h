// One started copy of the program under test.
#pragma once

#include <windows.h>

#include <chrono>
#include <string>

#include "polling.h"

namespace quorvane_e2e {

class RunningProgram {
 public:
  // Starts the program the way the Run entry does at logon: its path quoted
  // as the command line, and a current folder that is not its own.
  explicit RunningProgram(const std::wstring& programPath);
  // A program still running is ended here, so no test leaves windows or a
  // tray icon behind for the next one.
  ~RunningProgram();
  RunningProgram(const RunningProgram&) = delete;
  RunningProgram& operator=(const RunningProgram&) = delete;

  DWORD ProcessId() const { return processId_; }
  bool HasEnded() const;
  // True when the program ended within the limit.
  bool WaitForEnd(std::chrono::milliseconds limit = kPatience) const;

 private:
  HANDLE process_ = nullptr;
  DWORD processId_ = 0;
};

}  // namespace quorvane_e2e
