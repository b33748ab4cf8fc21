#include "guide_settings.h"

#include "file_io.h"

#include <map>
#include <sstream>
#include <stdexcept>

namespace guidetool {

namespace {

// The compiled-file name becomes a file name on every platform and is
// compared without regard to case, so it keeps to plain ASCII.
bool isPlainName(const std::string& name) {
  if (name.empty()) {
    return false;
  }
  for (char c : name) {
    const bool plain =
        (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-';
    if (!plain) {
      return false;
    }
  }
  return true;
}

}  // namespace

GuideSettings readGuideSettings(const std::filesystem::path& guideFolder) {
  const std::filesystem::path path = guideFolder / "guide.txt";
  std::istringstream in(readFile(path));
  GuideSettings settings;
  const std::map<std::string, std::string*> fields = {
      {"Title", &settings.title},
      {"DefaultTopic", &settings.defaultTopic},
      {"CompiledFile", &settings.compiledFile},
  };
  std::map<std::string, bool> seen;
  std::string line;
  int lineNumber = 0;
  while (std::getline(in, line)) {
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') {
      line.pop_back();
    }
    if (line.empty()) {
      continue;
    }
    const std::string where = path.string() + ":" + std::to_string(lineNumber) + ": ";
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos) {
      throw std::runtime_error(where + "expected Key=Value");
    }
    const std::string key = line.substr(0, equals);
    const auto field = fields.find(key);
    if (field == fields.end()) {
      throw std::runtime_error(where + "unknown key \"" + key + "\"");
    }
    if (seen[key]) {
      throw std::runtime_error(where + "\"" + key + "\" given twice");
    }
    seen[key] = true;
    *field->second = line.substr(equals + 1);
  }
  for (const auto& [key, value] : fields) {
    if (value->empty()) {
      throw std::runtime_error(path.string() + ": \"" + key + "\" is missing or empty");
    }
  }
  if (!isPlainName(settings.compiledFile)) {
    throw std::runtime_error(path.string() +
                             ": CompiledFile must be a plain name of letters, "
                             "digits, '_' and '-', without \".chm\"");
  }
  return settings;
}

}  // namespace guidetool
