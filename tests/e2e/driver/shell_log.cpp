#include "shell_log.h"

#include <windows.h>

#include <stdexcept>
#include <thread>

#include "polling.h"
#include "text.h"

namespace quorvane_e2e {
namespace {

// The shell starts the recorder after ShellExecute has returned; a second,
// unwanted start would come about as late.
constexpr std::chrono::milliseconds kLateEntryGrace{500};

}  // namespace

ShellOpenLog::ShellOpenLog() {
  wchar_t folder[MAX_PATH] = {};
  wchar_t file[MAX_PATH] = {};
  if (GetTempPathW(MAX_PATH, folder) == 0 || GetTempFileNameW(folder, L"qsh", 0, file) == 0) {
    throw std::runtime_error("cannot make a shell log file");
  }
  path_ = file;
  SetEnvironmentVariableW(L"QUORVANE_SHELL_LOG", path_.c_str());
}

std::vector<std::string> ShellOpenLog::Entries() const {
  HANDLE file = CreateFileW(path_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string bytes;
  char chunk[4096];
  DWORD read = 0;
  while (ReadFile(file, chunk, sizeof chunk, &read, nullptr) && read > 0) bytes.append(chunk, read);
  CloseHandle(file);
  std::vector<std::string> entries;
  for (size_t start = 0, end; (end = bytes.find('\n', start)) != std::string::npos; start = end + 1) {
    entries.push_back(bytes.substr(start, end - start));
  }
  return entries;
}

bool ShellOpenLog::WaitForCount(size_t count) const {
  return WaitUntil([&] { return Entries().size() >= count; });
}

std::vector<std::string> ShellOpenLog::WaitForEntries(size_t count) const {
  if (WaitForCount(count)) {
    std::this_thread::sleep_for(kLateEntryGrace);
  }
  return Entries();
}

std::vector<std::string> ShellOpenLog::EntriesAfterAWhile() const {
  std::this_thread::sleep_for(kLateEntryGrace);
  return Entries();
}

}  // namespace quorvane_e2e
