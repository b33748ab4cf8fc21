// A fresh installation folder for one start of the program under test.
#pragma once

#include <string>

namespace quorvane_e2e {

// Makes "C:\Program Files\Quorvane Test <n>" (the first n not yet taken) and
// copies the program into it as Quorvane.exe. The blank in the path is on
// purpose: the program must quote its own path where it writes it down.
// Nothing else is put there; a test adds the files it wants.
class ProgramFolder {
 public:
  ProgramFolder();

  const std::wstring& Path() const { return path_; }
  std::wstring ProgramPath() const { return path_ + L"\\Quorvane.exe"; }

  // Creates or replaces a file in the folder with exactly these bytes.
  void WriteFile(const std::wstring& name, const std::string& bytes) const;

 private:
  std::wstring path_;
};

// The Quorvane.exe under test, from the environment variable QUORVANE_EXE
// (a Windows path, or a Unix path that Wine reaches through drive Z:).
std::wstring ProgramUnderTest();

}  // namespace quorvane_e2e
