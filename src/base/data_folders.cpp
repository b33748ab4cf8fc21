#include "base/data_folders.h"

#include "base/file_system.h"

namespace quorvane {

DataFolders ChooseDataFolders(std::string_view programFolder, std::string_view userFolder,
                              FolderAccess& access) {
  if (access.AcceptsNewFiles(programFolder))
    return {std::string(programFolder), {std::string(programFolder)}};
  access.CreateFolder(userFolder);
  return {std::string(userFolder), {std::string(userFolder), std::string(programFolder)}};
}

std::string CannotWriteFileText(std::string_view path, std::string_view reason) {
  return FileProblemText("无法写入文件 ", path, reason);
}

}  // namespace quorvane
