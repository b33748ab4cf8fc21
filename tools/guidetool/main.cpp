// guidetool stage <guide folder> <stage folder>
// guidetool finish <guide folder> <compiled .chm> <output .chm>
// guidetool text <UTF-8 text> <output>
//
// Builds the illness guides and the shipped tip file; see
// resources/guides/README.md. "stage" prepares a guide for chmcmd, "finish"
// completes the document chmcmd wrote, "text" converts a UTF-8 text file to
// GBK with CR LF line ends, the form the program reads.

#include "chm_finish.h"
#include "file_io.h"
#include "gbk_text.h"
#include "guide_settings.h"
#include "guide_stage.h"

#include <iostream>
#include <stdexcept>
#include <string>

namespace {

void finish(const std::string& guideFolder, const std::string& compiled, const std::string& output) {
  const guidetool::GuideSettings settings = guidetool::readGuideSettings(guideFolder);
  guidetool::writeFile(output, guidetool::finishChm(guidetool::readFile(compiled), settings.compiledFile));
}

void convertText(const std::string& input, const std::string& output) {
  guidetool::writeFile(output,
                       guidetool::textToGbk(guidetool::readFile(input), guidetool::LineEnds::Crlf, input));
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  try {
    if (command == "stage" && argc == 4) {
      guidetool::stageGuide(argv[2], argv[3]);
    } else if (command == "finish" && argc == 5) {
      finish(argv[2], argv[3], argv[4]);
    } else if (command == "text" && argc == 4) {
      convertText(argv[2], argv[3]);
    } else {
      std::cerr << "usage: guidetool stage <guide folder> <stage folder>\n"
                   "       guidetool finish <guide folder> <compiled .chm> <output .chm>\n"
                   "       guidetool text <UTF-8 text> <output>\n";
      return 2;
    }
  } catch (const std::exception& error) {
    std::cerr << "guidetool: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
