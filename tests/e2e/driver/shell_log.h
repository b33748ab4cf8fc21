// What the program asked the shell to open. In the test prefix the "open"
// command of web addresses and help files is quorvane_shellrecorder.exe, which
// appends its argument to the file named by QUORVANE_SHELL_LOG.
#pragma once

#include <string>
#include <vector>

namespace quorvane_e2e {

class ShellOpenLog {
 public:
  // Picks a new, empty log file and names it in this process's environment,
  // which programs started afterwards inherit (and the recorder from them).
  ShellOpenLog();

  // One entry per "open", in order.
  std::vector<std::string> Entries() const;

  // Waits until at least `count` entries are there; false after the
  // patience limit.
  bool WaitForCount(size_t count) const;

  // Waits until at least `count` entries are there, then a little more so a
  // late extra entry is seen too; returns all entries.
  std::vector<std::string> WaitForEntries(size_t count) const;

  // The entries after waiting as long as a late entry takes to come: for a
  // test that expects nothing more to be opened.
  std::vector<std::string> EntriesAfterAWhile() const;

 private:
  std::wstring path_;
};

}  // namespace quorvane_e2e
