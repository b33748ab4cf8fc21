// A fresh installation folder for one start of the program under test.
#pragma once

#include <string>
#include <vector>

namespace quorvane_e2e {

// Makes "C:\Program Files\Quorvane Test <n>" (the first n not yet taken) and
// copies the program into it as Quorvane.exe. The blank in the path is on
// purpose: the program must quote its own path where it writes it down.
// Nothing else is put there; a test adds the files it wants.
class ProgramFolder {
 public:
  ProgramFolder();

  const std::wstring& Path() const { return path_; }
  std::wstring ProgramPath() const { return FilePath(L"Quorvane.exe"); }
  std::wstring FilePath(const std::wstring& name) const { return path_ + L"\\" + name; }

  // Creates or replaces a file in the folder with exactly these bytes.
  void WriteFile(const std::wstring& name, const std::string& bytes) const;

  // Names of the files in the folder now, sorted.
  std::vector<std::string> FileNames() const;

 private:
  std::wstring path_;
};

}  // namespace quorvane_e2e
