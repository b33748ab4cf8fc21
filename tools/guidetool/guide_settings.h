#pragma once

#include <filesystem>
#include <string>

namespace guidetool {

// What guide.txt says about a guide. All strings are UTF-8.
struct GuideSettings {
  std::string title;         // Title=, shown in the viewer's title bar
  std::string defaultTopic;  // DefaultTopic=, the page shown first
  std::string compiledFile;  // CompiledFile=, the document's own name, without ".chm"
};

// Reads <guideFolder>/guide.txt: "Key=Value" lines. Throws on a missing,
// repeated or unknown key, so a typo cannot drop a setting silently.
GuideSettings readGuideSettings(const std::filesystem::path& guideFolder);

}  // namespace guidetool
