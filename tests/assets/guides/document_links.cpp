#include "document_links.h"

#include <regex>

namespace {

std::vector<std::string> firstGroups(const std::string& text, const std::regex& pattern) {
  std::vector<std::string> found;
  for (auto match = std::sregex_iterator(text.begin(), text.end(), pattern);
       match != std::sregex_iterator(); ++match) {
    found.push_back((*match)[1].str());
  }
  return found;
}

}  // namespace

std::vector<std::string> sitemapTargets(const std::string& sitemap) {
  static const std::regex local(R"re(<param\s+name\s*=\s*"Local"\s+value\s*=\s*"([^"]*)")re",
                                std::regex::icase);
  return firstGroups(sitemap, local);
}

std::vector<std::string> pageLinkTargets(const std::string& page) {
  static const std::regex link(R"re(\b(?:href|src)\s*=\s*"([^"]*)")re", std::regex::icase);
  std::vector<std::string> targets;
  for (const std::string& target : firstGroups(page, link)) {
    if (!target.empty() && target.front() != '#' && target.find(':') == std::string::npos) {
      targets.push_back(target);
    }
  }
  return targets;
}

std::string storedNameOf(const std::string& target) {
  return "/" + target.substr(0, target.find('#'));
}
