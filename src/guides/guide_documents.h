#pragma once
// The two illness guides the program carries as resources of type "CUSTOM".
#include <optional>
#include <string>
#include <string_view>

#include "base/file_system.h"
#include "commands/shell_opener.h"

namespace quorvane {

struct GuideDocument {
  int resourceId;
  std::string_view fileName;  // written into the program's data folder
  std::string_view openName;  // the same file, as handed to the viewer
};

// "英国重症肌无力指南": the general guide "重症肌无力指南".
inline constexpr GuideDocument kGeneralGuide{102, "\\qelmuEbook.chm", "\\qelmuEbook.CHM"};
// "台湾重症肌无力指南": the handbook "肌无力症手册".
inline constexpr GuideDocument kHandbook{101, "\\tkw.chm", "\\tkw.CHM"};

// Writes the document into the folder, unless the file there already holds
// exactly these bytes (a guide still open in the viewer can then be opened
// again), and hands it to the viewer. Returns the message to show when the
// file could not be written; nothing is opened then.
std::optional<std::string> WriteAndOpenGuide(const GuideDocument& guide, std::string_view bytes,
                                             std::string_view folder, FileSystem& files, ShellOpener& shell);

}  // namespace quorvane
