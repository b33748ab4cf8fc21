// icongen <output folder> <pixel-art source>...
//
// Makes the program's icon resources from pixel-art sources; see
// resources/icons/README.md for the source format.

#include "icon_outputs.h"
#include "pixel_art_source.h"

#include <fstream>
#include <iostream>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

icongen::IconGroup readSource(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    throw std::runtime_error("cannot read " + path);
  }
  return icongen::readPixelArt(in, path);
}

// Every group and every image becomes one resource of the program file, so
// their names and ids must not meet across sources either.
void checkDistinct(const std::vector<icongen::IconGroup>& groups) {
  std::set<std::string> names;
  std::set<int> groupIds;
  std::set<int> imageIds;
  for (const auto& group : groups) {
    if (!names.insert(group.name).second) {
      throw std::runtime_error("two icons are named \"" + group.name + "\"");
    }
    if (!groupIds.insert(group.groupId).second) {
      throw std::runtime_error("two icon groups have id " + std::to_string(group.groupId));
    }
    for (const auto& image : group.images) {
      if (!imageIds.insert(image.resourceId).second) {
        throw std::runtime_error("two icon images have id " + std::to_string(image.resourceId));
      }
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "usage: icongen <output folder> <pixel-art source>...\n";
    return 2;
  }
  try {
    std::vector<icongen::IconGroup> groups;
    for (int i = 2; i < argc; ++i) {
      groups.push_back(readSource(argv[i]));
    }
    checkDistinct(groups);
    icongen::writeIconOutputs(groups, argv[1]);
  } catch (const std::exception& error) {
    std::cerr << "icongen: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
