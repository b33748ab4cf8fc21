#pragma once
// The tip file's names and what the tip window and the tip update tell the
// user.
#include <string>
#include <string_view>

namespace quorvane {

// The name the window reads and the name the update writes: the program
// folder's file system does not tell upper from lower case, so both are the
// same file.
inline constexpr std::string_view kTipFileName = "TIPOFDAY.TXT";
inline constexpr std::string_view kDownloadedTipFileName = "tipofday.txt";

inline constexpr std::string_view kTipUpdateSucceeded = "更新成功";
inline constexpr std::string_view kTipFileTooLarge = "这个文件大于 64 MB，不是提示文件。";
inline constexpr std::string_view kTipUpdateFailed = "更新失败！请检查网络连接或者联系Orvath。";
inline constexpr std::string_view kTipUpdateNotSigned =
    "下载的知识库没有发布者的签名，可能被人改动过，所以没有使用。\r\n\r\n您原来的知识库已保留。";

// Shown in the tip label when there is no tip file: what it is and where to
// put it.
std::string MissingTipFileText();

// The box for a tip file that exists but cannot be read.
std::string UnreadableTipFileText(std::string_view path, std::string_view reason);

}  // namespace quorvane
