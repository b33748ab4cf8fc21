// The resources of a program file, read without running it.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace quorvane_e2e {

// A program file loaded as data: its resources can be found and read, none
// of its code runs.
class ProgramResources {
 public:
  explicit ProgramResources(const std::wstring& programPath);
  ~ProgramResources();
  ProgramResources(const ProgramResources&) = delete;
  ProgramResources& operator=(const ProgramResources&) = delete;

  // The bytes of the resource, or nothing when the file has no such resource.
  std::optional<std::string> Bytes(const wchar_t* type, int id, WORD language) const;
  // In whatever language the file has it.
  std::optional<std::string> Bytes(const wchar_t* type, int id) const;

  // The numeric ids of the resources of a type (named ones as -1).
  std::vector<int> Ids(const wchar_t* type) const;

 private:
  HMODULE module_;
};

// The version record of a program file (GetFileVersionInfo).
class VersionRecord {
 public:
  explicit VersionRecord(const std::wstring& programPath);

  const VS_FIXEDFILEINFO& Fixed() const;
  // A value of the string table, such as "\StringFileInfo\080404B0\ProductName".
  std::optional<std::string> String(const std::wstring& subBlock) const;
  // The (language, code page) pairs of "\VarFileInfo\Translation".
  std::vector<std::pair<WORD, WORD>> Translations() const;

 private:
  std::vector<unsigned char> data_;
};

}  // namespace quorvane_e2e
