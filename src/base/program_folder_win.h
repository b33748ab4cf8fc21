#pragma once
#include <string>
#include <string_view>

#include "base/data_folders.h"

namespace quorvane {

// Full path of the running program file. Paths are always built from here,
// never from the current folder: at logon the program starts in System32.
std::wstring ProgramPath();
// The folder that holds it, without a trailing separator.
std::wstring ProgramFolder();
// The folders for the guides and a downloaded tip file, decided anew at every
// use: the program folder, or %LOCALAPPDATA%\Quorvane when that takes no files.
DataFolders CurrentDataFolders();
// %APPDATA%\Quorvane: the user's own records, such as the dose diary. They
// roam with the user's profile.
std::wstring RecordFolder();
// A file in it, such as "doselog.csv", as a UTF-8 path for the record files.
std::string RecordFilePath(std::string_view name);
// The user's Documents folder; empty when the shell does not know it.
std::wstring DocumentsFolder();

}  // namespace quorvane
