#include "build_outputs.h"

#include <windows.h>

#include <stdexcept>

#include "text.h"

namespace quorvane_e2e {
namespace {

std::wstring PathFromEnvironment(const wchar_t* variable) {
  wchar_t value[2048] = {};
  const DWORD length = GetEnvironmentVariableW(variable, value, 2048);
  if (length == 0 || length >= 2048) {
    throw std::runtime_error("the environment variable " + Utf8(variable) + " names no path");
  }
  std::wstring path(value, length);
  if (path.front() == L'/') {
    for (wchar_t& c : path) {
      if (c == L'/') c = L'\\';
    }
    path = L"Z:" + path;
  }
  while (path.size() > 3 && path.back() == L'\\') path.pop_back();
  return path;
}

}  // namespace

std::wstring ProgramUnderTest() { return PathFromEnvironment(L"QUORVANE_EXE"); }

std::wstring BesideProgramUnderTest(const std::wstring& name) {
  const std::wstring program = ProgramUnderTest();
  return program.substr(0, program.find_last_of(L'\\') + 1) + name;
}

std::wstring BuiltAsset(const std::wstring& name) {
  return PathFromEnvironment(L"QUORVANE_ASSETS_DIR") + L"\\" + name;
}

}  // namespace quorvane_e2e
