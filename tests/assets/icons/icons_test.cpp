// Checks of the icons made by icongen: icons.rc and the resources it names
// must give the program exactly the icon groups and image ids it loads.

#include "icon_resources.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace icon_check {
namespace {

const std::filesystem::path kAssetsDir = QUORVANE_ASSETS_DIR;

constexpr int kAppIconGroup = 1;
constexpr int kTipPictureGroup = 2;

const std::map<ResourceKey, std::string>& rcStatements() {
  static const auto statements = readRcStatements(kAssetsDir / "icons.rc");
  return statements;
}

// The file icons.rc gives for a resource, or an empty path if it names none.
std::filesystem::path fileOf(int type, int id) {
  const auto found = rcStatements().find({type, id});
  return found == rcStatements().end() ? std::filesystem::path() : kAssetsDir / found->second;
}

std::vector<GroupEntry> groupEntries(int groupId) {
  const auto file = fileOf(kGroupIconType, groupId);
  return file.empty() ? std::vector<GroupEntry>() : readGroupDirectory(readFile(file));
}

TEST(AppIcon, ListsThe32PixelSixteenColourImageAs30001AndTheHighDpiSizes) {
  const auto entries = groupEntries(kAppIconGroup);
  const auto main = std::find_if(entries.begin(), entries.end(),
                                 [](const GroupEntry& entry) { return entry.imageId == 30001; });
  ASSERT_NE(main, entries.end());
  EXPECT_EQ(main->width, 32);
  EXPECT_EQ(main->height, 32);
  EXPECT_EQ(main->bitCount, 4);
  EXPECT_EQ(main->colourCount, 16);

  std::set<int> sizes;
  for (const GroupEntry& entry : entries) {
    EXPECT_EQ(entry.width, entry.height) << "image " << entry.imageId;
    sizes.insert(entry.width);
  }
  EXPECT_EQ(sizes, (std::set<int>{16, 20, 24, 32, 48}));
  EXPECT_EQ(entries.size(), sizes.size()) << "one image per size";
}

TEST(TipPicture, IsOne32PixelSixteenColourImageWithId30101) {
  const auto entries = groupEntries(kTipPictureGroup);
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].imageId, 30101);
  EXPECT_EQ(entries[0].width, 32);
  EXPECT_EQ(entries[0].height, 32);
  EXPECT_EQ(entries[0].bitCount, 4);
  EXPECT_EQ(entries[0].colourCount, 16);
}

// Windows picks an image by the group entry and then trusts the image to
// match it; a disagreement shows as a garbled or missing icon.
TEST(IconImages, AgreeWithTheirGroupEntries) {
  for (const int groupId : {kAppIconGroup, kTipPictureGroup}) {
    for (const GroupEntry& entry : groupEntries(groupId)) {
      SCOPED_TRACE("group " + std::to_string(groupId) + ", image " + std::to_string(entry.imageId));
      const auto file = fileOf(kIconType, entry.imageId);
      ASSERT_FALSE(file.empty()) << "icons.rc names no such image";
      const IconImage image(readFile(file));
      EXPECT_EQ(image.size(), entry.bytesInResource);
      EXPECT_EQ(image.width(), entry.width);
      EXPECT_EQ(image.height(), entry.height);
      EXPECT_EQ(image.bitCount(), entry.bitCount);
      EXPECT_EQ(entry.planes, 1);
      EXPECT_EQ(image.size(), image.expectedSize()) << "header, palette and rows do not add up";
      if (entry.bitCount == 4) {
        EXPECT_EQ(image.paletteEntries(), 16);
        EXPECT_EQ(entry.colourCount, 16);
      }
    }
  }
}

TEST(IconImages, HaveTransparentCorners) {
  for (const int groupId : {kAppIconGroup, kTipPictureGroup}) {
    for (const GroupEntry& entry : groupEntries(groupId)) {
      const IconImage image(readFile(fileOf(kIconType, entry.imageId)));
      const int last = image.width() - 1;
      for (const auto& [x, y] : {std::pair{0, 0}, std::pair{last, 0}, std::pair{0, last}, std::pair{last, last}}) {
        SCOPED_TRACE("image " + std::to_string(entry.imageId) + " at " + std::to_string(x) + "," +
                     std::to_string(y));
        EXPECT_TRUE(image.maskIsSetAt(x, y));
        // A set mask over a colour other than black inverts the screen.
        EXPECT_EQ(image.colourAt(x, y), 0);
      }
    }
  }
}

// icons.rc compiled by a real resource compiler: every statement must come
// out as a resource of exactly its type and id, holding its file.
TEST(CompiledIconsRc, KeepsEveryTypeIdAndFile) {
  const std::filesystem::path compiled = QUORVANE_ICONS_PROBE_RES;
  if (compiled.empty()) {
    GTEST_SKIP() << "no resource compiler was found when the build was configured";
  }
  const auto resources = readResFile(compiled);
  ASSERT_FALSE(rcStatements().empty());
  for (const auto& [key, file] : rcStatements()) {
    SCOPED_TRACE("type " + std::to_string(key.first) + ", id " + std::to_string(key.second));
    const auto found = resources.find(key);
    ASSERT_NE(found, resources.end());
    EXPECT_TRUE(found->second == readFile(kAssetsDir / file)) << file;
  }
  EXPECT_EQ(resources.size(), rcStatements().size());
}

}  // namespace
}  // namespace icon_check
