#include "guide_stage.h"

#include "file_io.h"
#include "gbk_text.h"
#include "guide_settings.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

namespace guidetool {

namespace {

namespace fs = std::filesystem;

constexpr char kContentsName[] = "TOC.HHC";
constexpr char kIndexName[] = "INDEX.HHK";

// chmcmd copies the project file's bytes into the document as they are, so
// the title goes in as GBK. Language must be hexadecimal: chmcmd reads a
// decimal value without complaint and records the wrong language. The
// binary index and the full-text search are left out because chmcmd does
// not build them reproducibly.
std::string projectText(const GuideSettings& settings, const std::vector<std::string>& files) {
  std::string text =
      "[OPTIONS]\n"
      "Compatibility=1.1 or later\n"
      "Compiled file=" +
      std::string(kCompilerOutputName) +
      "\n"
      "Contents file=" +
      std::string(kContentsName) +
      "\n"
      "Index file=" +
      std::string(kIndexName) +
      "\n"
      "Default topic=" +
      settings.defaultTopic +
      "\n"
      "Display compile progress=No\n"
      "Language=0x804\n"
      "Title=" +
      settings.title +
      "\n"
      "Binary TOC=No\n"
      "Binary Index=No\n"
      "Full-text search=No\n"
      "\n"
      "[FILES]\n";
  for (const std::string& file : files) {
    text += file + "\n";
  }
  return text;
}

bool isAscii(const std::string& name) {
  return std::all_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

std::vector<fs::path> sortedEntries(const fs::path& folder) {
  std::vector<fs::path> entries;
  for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
    entries.push_back(entry.path());
  }
  std::sort(entries.begin(), entries.end());
  return entries;
}

void stageText(const fs::path& source, const fs::path& target) {
  writeFile(target, textToGbk(readFile(source), LineEnds::AsWritten, source.string()));
}

}  // namespace

void stageGuide(const fs::path& guideFolder, const fs::path& stageFolder) {
  if (fs::exists(stageFolder) && !fs::is_empty(stageFolder)) {
    throw std::runtime_error("stage folder " + stageFolder.string() + " is not empty");
  }
  fs::create_directories(stageFolder);
  const GuideSettings settings = readGuideSettings(guideFolder);

  std::vector<std::string> listedFiles;
  bool haveContents = false;
  bool haveIndex = false;
  for (const fs::path& source : sortedEntries(guideFolder)) {
    const std::string name = source.filename().string();
    if (!fs::is_regular_file(source)) {
      throw std::runtime_error(source.string() + ": a guide holds files only, no folders");
    }
    // Names in a compiled document are UTF-8 while chmcmd takes them from
    // the GBK project file; plain ASCII names are the same in both.
    if (!isAscii(name)) {
      throw std::runtime_error(source.string() + ": file names must be plain ASCII");
    }
    const std::string extension = source.extension().string();
    if (name == "guide.txt") {
      continue;
    } else if (name == "toc.hhc") {
      stageText(source, stageFolder / kContentsName);
      haveContents = true;
    } else if (name == "index.hhk") {
      stageText(source, stageFolder / kIndexName);
      haveIndex = true;
    } else if (extension == ".htm" || extension == ".css") {
      stageText(source, stageFolder / name);
      listedFiles.push_back(name);
    } else {
      throw std::runtime_error(source.string() +
                               ": not a guide file (guide.txt, toc.hhc, index.hhk, *.htm, *.css)");
    }
  }
  if (!haveContents || !haveIndex) {
    throw std::runtime_error(guideFolder.string() + ": toc.hhc and index.hhk are both required");
  }
  if (std::find(listedFiles.begin(), listedFiles.end(), settings.defaultTopic) == listedFiles.end()) {
    throw std::runtime_error(guideFolder.string() + ": the default topic " + settings.defaultTopic +
                             " is not a page of the guide");
  }
  const std::string project = projectText(settings, listedFiles);
  writeFile(stageFolder / kProjectFileName,
            textToGbk(project, LineEnds::Crlf, (guideFolder / "guide.txt").string()));
}

}  // namespace guidetool
