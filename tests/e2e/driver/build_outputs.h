// What the build made, as the tests find it: the program under test, the tip
// file copied beside it, and the generated files it carries. The test's
// environment names them with Windows paths, or Unix paths that Wine reaches
// through drive Z:.
#pragma once

#include <string>

namespace quorvane_e2e {

// The Quorvane.exe under test (QUORVANE_EXE).
std::wstring ProgramUnderTest();

// A file the build put beside the program under test, such as the shipped
// tip file.
std::wstring BesideProgramUnderTest(const std::wstring& name);

// A generated file of the assets folder the program was built from
// (QUORVANE_ASSETS_DIR), such as a guide document.
std::wstring BuiltAsset(const std::wstring& name);

}  // namespace quorvane_e2e
