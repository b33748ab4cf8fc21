#pragma once
// The forum and tips server addresses: a base address set when the program
// is built, followed by a fixed path.
#include <string>

namespace quorvane {

std::string ForumNewPostsAddress();  // "论坛新帖"
std::string ForumAddress();          // "进入论坛"
std::string TipsDownloadAddress();   // "更新知识库"

}  // namespace quorvane
