#include "tips/tip_texts.h"

#include "base/file_system.h"

namespace quorvane {

std::string MissingTipFileText() {
  std::string text;
  text += "文件 ";
  text += kTipFileName;
  text += " 没有被找到吗? ";
  text += "\r\n\r\n";
  text += "创建文本文件名为 ";
  text += kTipFileName;
  text += " 使用记事本每行写一条提示。 ";
  text += "然后将它存放在应用程序所在的目录 ";
  return text;
}

std::string UnreadableTipFileText(std::string_view path, std::string_view reason) {
  return FileProblemText("无法读取提示文件 ", path, reason);
}

}  // namespace quorvane
