#include "commands/web_links.h"

namespace quorvane {

std::string ForumNewPostsAddress() { return QUORVANE_FORUM_BASE_URL "/qelmu/ShowBBS.asp"; }
std::string ForumAddress() { return QUORVANE_FORUM_BASE_URL "/qelmu"; }
std::string TipsDownloadAddress() { return QUORVANE_TIPS_BASE_URL "/dl/tipofday.txt"; }

}  // namespace quorvane
