#include "icon_outputs.h"

#include "icon_encoding.h"

#include <fstream>
#include <stdexcept>
#include <string>

namespace icongen {
namespace {

// Resource types of a raw resource statement: RT_ICON and RT_GROUP_ICON.
constexpr int kIconType = 3;
constexpr int kGroupIconType = 14;

// Name of the fragment the program's resource script includes.
constexpr const char* kRcFragmentName = "icons.rc";

std::string groupFileName(const IconGroup& group) { return group.name + ".icogrp"; }

std::string imageFileName(const IconGroup& group, const IconImage& image) {
  return group.name + "-" + std::to_string(image.size) + ".icoimg";
}

// One raw resource statement: <id> <type> "<file>".
void appendStatement(std::string& text, int id, int type, const std::string& fileName) {
  text += std::to_string(id);
  text += ' ';
  text += std::to_string(type);
  text += " \"";
  text += fileName;
  text += "\"\n";
}

void writeFile(const std::filesystem::path& path, const void* data, std::size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
  out.close();
  if (!out) {
    throw std::runtime_error("cannot write " + path.string());
  }
}

void writeFile(const std::filesystem::path& path, const Bytes& bytes) {
  writeFile(path, bytes.data(), bytes.size());
}

// The text of icons.rc for these groups.
std::string rcFragment(const std::vector<IconGroup>& groups) {
  std::string text =
      "// Made by icongen from resources/icons; edit those sources, not this file.\n"
      "// Raw resources keep the image ids fixed: type 14 is an icon group\n"
      "// (RT_GROUP_ICON), type 3 one image of it (RT_ICON).\n";
  for (const IconGroup& group : groups) {
    text += '\n';
    appendStatement(text, group.groupId, kGroupIconType, groupFileName(group));
    for (const IconImage& image : group.images) {
      appendStatement(text, image.resourceId, kIconType, imageFileName(group, image));
    }
  }
  return text;
}

}  // namespace

void writeIconOutputs(const std::vector<IconGroup>& groups, const std::filesystem::path& outputDir) {
  for (const IconGroup& group : groups) {
    std::vector<Bytes> encodedImages;
    for (const IconImage& image : group.images) {
      encodedImages.push_back(encodeIconImage(image));
      writeFile(outputDir / imageFileName(group, image), encodedImages.back());
    }
    writeFile(outputDir / groupFileName(group), encodeGroupDirectory(group, encodedImages));
    writeFile(outputDir / (group.name + ".ico"), encodeIcoFile(group, encodedImages));
  }
  const std::string fragment = rcFragment(groups);
  writeFile(outputDir / kRcFragmentName, fragment.data(), fragment.size());
}

}  // namespace icongen
