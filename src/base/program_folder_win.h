#pragma once
#include <string>

namespace quorvane {

// Full path of the running program file. Paths are always built from here,
// never from the current folder: at logon the program starts in System32.
std::wstring ProgramPath();
// The folder that holds it, without a trailing separator.
std::wstring ProgramFolder();

}  // namespace quorvane
