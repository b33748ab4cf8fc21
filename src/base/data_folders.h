#pragma once
// Where the program keeps the files it writes (the guides and a downloaded
// tip file): beside itself, or, when that folder takes no new files (an
// administrator installed it into Program Files, or it runs from a read-only
// share), in the user's own folder.
#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

class FolderAccess {
 public:
  virtual ~FolderAccess() = default;
  // True when a new file can be created in the folder now.
  virtual bool AcceptsNewFiles(std::string_view folder) = 0;
  // Creates the folder if it is not there; failures show at the first write.
  virtual void CreateFolder(std::string_view folder) = 0;
};

struct DataFolders {
  std::string writeTo;                // where the program writes its files
  std::vector<std::string> readFrom;  // where it looks for them, first hit wins
};

// A writable program folder is used alone, as if the user folder did not
// exist. Otherwise files go to the user folder, and are looked for there
// first and then beside the program (where an installer put the shipped ones).
DataFolders ChooseDataFolders(std::string_view programFolder, std::string_view userFolder,
                              FolderAccess& access);

// The message for a file the program could not write.
std::string CannotWriteFileText(std::string_view path, std::string_view reason);

}  // namespace quorvane
