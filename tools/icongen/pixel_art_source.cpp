#include "pixel_art_source.h"

#include "vga_palette.h"

#include <algorithm>
#include <sstream>
#include <stdexcept>

namespace icongen {
namespace {

class SourceReader {
 public:
  SourceReader(std::istream& in, const std::string& sourceName) : in_(in), sourceName_(sourceName) {}

  // The next line that is neither blank nor a comment, or false at the end.
  bool nextStatement(std::string& line) {
    while (nextLine(line)) {
      const auto first = line.find_first_not_of(" \t");
      if (first != std::string::npos && line[first] != '#') {
        return true;
      }
    }
    return false;
  }

  bool nextLine(std::string& line) {
    if (!std::getline(in_, line)) {
      return false;
    }
    ++lineNumber_;
    if (!line.empty() && line.back() == '\r') {
      line.pop_back();
    }
    return true;
  }

  [[noreturn]] void fail(const std::string& message) const {
    throw std::runtime_error(sourceName_ + ":" + std::to_string(lineNumber_) + ": " + message);
  }

 private:
  std::istream& in_;
  const std::string& sourceName_;
  int lineNumber_ = 0;
};

int readNumber(std::istringstream& words, int lowest, int highest, const char* what,
               const SourceReader& reader) {
  int value = 0;
  if (!(words >> value) || value < lowest || value > highest) {
    reader.fail(std::string(what) + " must be a number from " + std::to_string(lowest) + " to " +
                std::to_string(highest));
  }
  return value;
}

void expectEndOfLine(std::istringstream& words, const SourceReader& reader) {
  std::string extra;
  if (words >> extra) {
    reader.fail("unexpected \"" + extra + "\"");
  }
}

bool isFileNameSafe(const std::string& name) {
  return !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_';
  });
}

void readRows(SourceReader& reader, IconImage& image) {
  image.pixels.reserve(static_cast<std::size_t>(image.size * image.size));
  std::string row;
  for (int y = 0; y < image.size; ++y) {
    if (!reader.nextLine(row)) {
      reader.fail("the " + std::to_string(image.size) + "-pixel image ends after " + std::to_string(y) +
                  " rows");
    }
    if (static_cast<int>(row.size()) != image.size) {
      reader.fail("row has " + std::to_string(row.size()) + " pixels, the image is " +
                  std::to_string(image.size) + " wide");
    }
    for (const char letter : row) {
      const auto pixel = pixelOfLetter(letter);
      if (!pixel) {
        reader.fail(std::string("'") + letter + "' is not a palette letter");
      }
      image.pixels.push_back(*pixel);
    }
  }
}

}  // namespace

IconGroup readPixelArt(std::istream& in, const std::string& sourceName) {
  SourceReader reader(in, sourceName);
  IconGroup group;
  std::string line;

  if (!reader.nextStatement(line)) {
    reader.fail("empty source, expected \"icon <name> <group id>\"");
  }
  std::istringstream header(line);
  std::string keyword;
  header >> keyword >> group.name;
  if (keyword != "icon" || !isFileNameSafe(group.name)) {
    reader.fail("expected \"icon <name> <group id>\" with a name of a-z, 0-9, '-' and '_'");
  }
  group.groupId = readNumber(header, 1, 65535, "group id", reader);
  expectEndOfLine(header, reader);

  while (reader.nextStatement(line)) {
    std::istringstream words(line);
    words >> keyword;
    if (keyword != "image") {
      reader.fail("expected \"image <size> <image id>\", found \"" + keyword + "\"");
    }
    IconImage image;
    // The group directory stores the size in one byte.
    image.size = readNumber(words, 1, 255, "image size", reader);
    image.resourceId = readNumber(words, 1, 65535, "image id", reader);
    expectEndOfLine(words, reader);
    for (const IconImage& earlier : group.images) {
      if (earlier.size == image.size) {
        reader.fail("a second image of size " + std::to_string(image.size));
      }
      if (earlier.resourceId == image.resourceId) {
        reader.fail("a second image with id " + std::to_string(image.resourceId));
      }
    }
    readRows(reader, image);
    group.images.push_back(std::move(image));
  }

  if (group.images.empty()) {
    reader.fail("icon \"" + group.name + "\" has no image");
  }
  return group;
}

}  // namespace icongen
