// Checks the icons icongen made, read apart from icongen: Windows picks an
// image by its group entry and then trusts the image to match it, so a
// disagreement shows as a garbled or missing icon.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;
const std::filesystem::path kAssets = QUORVANE_ASSETS_DIR;
constexpr int kIconType = 3;        // RT_ICON
constexpr int kGroupIconType = 14;  // RT_GROUP_ICON

Bytes readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    throw std::runtime_error("cannot read " + path.string());
  }
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::size_t littleEndian(const Bytes& data, std::size_t at, int size) {
  if (at + size > data.size()) {
    throw std::runtime_error("data ends early");
  }
  std::size_t value = 0;
  for (int i = size - 1; i >= 0; --i) {
    value = value << 8 | data[at + i];
  }
  return value;
}

// The file of each raw resource statement `id type "file"` in icons.rc, by type and id.
std::map<std::pair<int, int>, std::filesystem::path> rcFiles() {
  std::ifstream in(kAssets / "icons.rc");
  const std::regex statement(R"re(^\s*(\d+)\s+(\d+)\s+"([^"]+)"\s*$)re");
  std::map<std::pair<int, int>, std::filesystem::path> files;
  std::smatch match;
  for (std::string line; std::getline(in, line);) {
    if (std::regex_match(line, match, statement)) {
      files[{std::stoi(match[2]), std::stoi(match[1])}] = kAssets / match[3].str();
    }
  }
  return files;
}

// One GRPICONDIRENTRY with the image it names.
struct Entry {
  std::size_t width, height, colours, planes, bits, bytes;
  int imageId;
  Bytes image;
};

std::vector<Entry> groupEntries() {
  const auto files = rcFiles();
  std::vector<Entry> entries;
  for (const auto& [key, file] : files) {
    if (key.first != kGroupIconType) {
      continue;
    }
    const Bytes group = readFile(file);
    const std::size_t count = littleEndian(group, 4, 2);
    EXPECT_EQ(littleEndian(group, 0, 4), 0x10000u) << file;
    EXPECT_EQ(group.size(), 6 + 14 * count) << file;
    for (std::size_t at = 6; at + 14 <= group.size(); at += 14) {
      const int id = static_cast<int>(littleEndian(group, at + 12, 2));
      const auto image = files.find({kIconType, id});
      EXPECT_NE(image, files.end()) << "icons.rc names no image " << id;
      // A width or height of 0 stands for 256.
      entries.push_back({group[at] ? group[at] : 256u, group[at + 1] ? group[at + 1] : 256u, group[at + 2],
                         littleEndian(group, at + 4, 2), littleEndian(group, at + 6, 2),
                         littleEndian(group, at + 8, 4), id,
                         image == files.end() ? Bytes() : readFile(image->second)});
    }
  }
  EXPECT_FALSE(entries.empty());
  return entries;
}

// Where the palette ends, the width of a colour row and of a mask row, in bytes.
struct Layout {
  std::size_t colourRowsAt, colourStride, maskStride;
};

Layout layoutOf(const Entry& entry) {
  const std::size_t used = littleEndian(entry.image, 32, 4);
  const std::size_t palette = used ? used : entry.bits <= 8 ? std::size_t{1} << entry.bits : 0;
  return {40 + 4 * palette, (entry.width * entry.bits + 31) / 32 * 4, (entry.width + 31) / 32 * 4};
}

TEST(IconImages, AgreeWithTheirGroupEntries) {
  for (const Entry& entry : groupEntries()) {
    SCOPED_TRACE("image " + std::to_string(entry.imageId));
    ASSERT_GE(entry.image.size(), 40u);
    const Layout layout = layoutOf(entry);
    EXPECT_EQ(littleEndian(entry.image, 0, 4), 40u) << "not a BITMAPINFOHEADER";
    EXPECT_EQ(littleEndian(entry.image, 4, 4), entry.width);
    EXPECT_EQ(littleEndian(entry.image, 8, 4), 2 * entry.height) << "colour and mask rows";
    EXPECT_EQ(littleEndian(entry.image, 12, 2), entry.planes);
    EXPECT_EQ(entry.planes, 1u);
    EXPECT_EQ(littleEndian(entry.image, 14, 2), entry.bits);
    EXPECT_EQ(entry.colours, entry.bits < 8 ? std::size_t{1} << entry.bits : 0);
    EXPECT_EQ(entry.image.size(), entry.bytes);
    EXPECT_EQ(entry.image.size(),
              layout.colourRowsAt + (layout.colourStride + layout.maskStride) * entry.height)
        << "header, palette and rows do not add up";
  }
}

TEST(IconImages, HaveTransparentCorners) {
  for (const Entry& entry : groupEntries()) {
    const Layout layout = layoutOf(entry);
    const std::size_t last = entry.width - 1,
                      maskAt = layout.colourRowsAt + layout.colourStride * entry.height;
    const std::pair<std::size_t, std::size_t> corners[] = {{0, 0}, {last, 0}, {0, last}, {last, last}};
    for (const auto& [x, y] : corners) {
      SCOPED_TRACE("image " + std::to_string(entry.imageId) + " at " + std::to_string(x) + "," +
                   std::to_string(y));
      const std::size_t row = entry.height - 1 - y, bit = x * entry.bits;  // rows are stored bottom-up
      EXPECT_TRUE(entry.image.at(maskAt + row * layout.maskStride + x / 8) & (0x80 >> (x % 8)));
      // A set mask over a colour other than black inverts the screen.
      const unsigned char colour = entry.image.at(layout.colourRowsAt + row * layout.colourStride + bit / 8);
      EXPECT_EQ((colour >> (8 - entry.bits - bit % 8)) & ((1u << entry.bits) - 1), 0u);
    }
  }
}

}  // namespace
