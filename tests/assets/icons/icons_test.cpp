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
  if (!in) throw std::runtime_error("cannot read " + path.string());
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::size_t littleEndian(const Bytes& data, std::size_t at, int size) {
  if (at + size > data.size()) throw std::runtime_error("data ends early");
  std::size_t value = 0;
  for (int i = size - 1; i >= 0; --i) value = value << 8 | data[at + i];
  return value;
}

// One GRPICONDIRENTRY with the image it names.
struct Entry {
  std::size_t width, height, colours, planes, bits, bytes;
  int imageId;
  Bytes image;
};

std::vector<Entry> groupEntries() {
  // The file of each raw resource statement `id type "file"` in icons.rc, by type and id.
  std::ifstream rc(kAssets / "icons.rc");
  const std::regex statement(R"re(^\s*(\d+)\s+(\d+)\s+"([^"]+)"\s*$)re");
  std::map<std::pair<int, int>, std::filesystem::path> files;
  std::smatch match;
  for (std::string line; std::getline(rc, line);)
    if (std::regex_match(line, match, statement))
      files[{std::stoi(match[2]), std::stoi(match[1])}] = kAssets / match[3].str();
  std::vector<Entry> entries;
  for (const auto& [key, file] : files) {
    if (key.first != kGroupIconType) continue;
    const Bytes group = readFile(file);
    EXPECT_EQ(littleEndian(group, 0, 4), 0x10000u) << file;
    EXPECT_EQ(group.size(), 6 + 14 * littleEndian(group, 4, 2)) << file;
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

TEST(IconImages, AgreeWithTheirGroupEntriesAndHaveTransparentCorners) {
  for (const Entry& entry : groupEntries()) {
    SCOPED_TRACE("image " + std::to_string(entry.imageId));
    ASSERT_GE(entry.image.size(), 40u);
    const auto field = [&](std::size_t at, int size) { return littleEndian(entry.image, at, size); };
    // A BITMAPINFOHEADER, colour and mask rows, one plane.
    EXPECT_EQ(std::vector({field(0, 4), field(4, 4), field(8, 4), field(12, 2), field(14, 2), entry.planes}),
              std::vector({std::size_t{40}, entry.width, 2 * entry.height, entry.planes, entry.bits,
                           std::size_t{1}}));
    EXPECT_EQ(entry.colours, entry.bits < 8 ? std::size_t{1} << entry.bits : 0);
    // Where the palette ends, the width of a colour row and of a mask row, in bytes.
    const std::size_t used = field(32, 4), palette = used ? used : entry.bits <= 8 ? 1u << entry.bits : 0;
    const std::size_t colourAt = 40 + 4 * palette, colourStride = (entry.width * entry.bits + 31) / 32 * 4,
                      maskStride = (entry.width + 31) / 32 * 4,
                      maskAt = colourAt + colourStride * entry.height;
    EXPECT_EQ(entry.image.size(), entry.bytes);
    EXPECT_EQ(entry.image.size(), maskAt + maskStride * entry.height)
        << "header, palette and rows do not add up";
    const std::size_t last = entry.width - 1;
    for (const auto& [x, y] :
         {std::pair<std::size_t, std::size_t>{0, 0}, {last, 0}, {0, last}, {last, last}}) {
      SCOPED_TRACE("at " + std::to_string(x) + "," + std::to_string(y));
      const std::size_t row = entry.height - 1 - y, bit = x * entry.bits;  // rows are stored bottom-up
      EXPECT_TRUE(entry.image.at(maskAt + row * maskStride + x / 8) & (0x80 >> (x % 8)));
      // A set mask over a colour other than black inverts the screen.
      const unsigned char colour = entry.image.at(colourAt + row * colourStride + bit / 8);
      EXPECT_EQ((colour >> (8 - entry.bits - bit % 8)) & ((1u << entry.bits) - 1), 0u);
    }
  }
}

}  // namespace
