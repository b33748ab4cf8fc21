#include "guides/guide_resources_win.h"

#include "base/file_system_win.h"
#include "base/message_boxes_win.h"
#include "base/program_folder_win.h"
#include "base/resource_bytes_win.h"
#include "commands/shell_opener_win.h"

namespace quorvane {

void OpenGuide(const GuideDocument& guide, HWND window) {
  const std::string_view bytes = CustomResource(guide.resourceId);
  WindowMessageBoxes boxes(window);
  if (bytes.empty()) {
    boxes.Show("程序文件已损坏，找不到指南文档，请重新安装 Quorvane。");
    return;
  }
  WindowsFileSystem files;
  WindowShellOpener shell(window);
  if (const auto problem = WriteAndOpenGuide(guide, bytes, CurrentDataFolders().writeTo, files, shell))
    boxes.Show(*problem);
}

}  // namespace quorvane
