#pragma once

// Readers for the icon files the build makes, written apart from icongen so
// that the checks cannot share its mistakes.

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace icon_check {

using Bytes = std::vector<std::uint8_t>;

// A resource's numeric type and id.
using ResourceKey = std::pair<int, int>;

inline constexpr int kIconType = 3;        // RT_ICON
inline constexpr int kGroupIconType = 14;  // RT_GROUP_ICON

Bytes readFile(const std::filesystem::path& path);

// The raw resource statements `id type "file"` of an .rc fragment.
std::map<ResourceKey, std::string> readRcStatements(const std::filesystem::path& path);

// One GRPICONDIRENTRY.
struct GroupEntry {
  int width = 0;
  int height = 0;
  int colourCount = 0;
  int planes = 0;
  int bitCount = 0;
  std::uint32_t bytesInResource = 0;
  int imageId = 0;
};

// The entries of an RT_GROUP_ICON resource; throws if it is malformed.
std::vector<GroupEntry> readGroupDirectory(const Bytes& data);

// The DIB of an RT_ICON resource.
class IconImage {
 public:
  explicit IconImage(Bytes data);  // throws if the header is cut short

  int width() const;
  int height() const;  // of the picture, half the header's height
  int bitCount() const;
  int paletteEntries() const;
  // The size header, palette, colour rows and mask rows add up to.
  std::size_t expectedSize() const;
  std::size_t size() const { return data_.size(); }
  // Whether the AND mask lets the screen show through at (x, y), top-down.
  bool maskIsSetAt(int x, int y) const;
  // The colour (XOR) value at (x, y), top-down.
  int colourAt(int x, int y) const;

 private:
  std::uint32_t u32(std::size_t at) const;
  std::size_t colourRowsOffset() const;
  std::size_t colourStride() const;
  std::size_t maskStride() const;
  Bytes data_;
};

// Every resource of a compiled 32-bit .res file, by type and id; resources
// named by string are left out.
std::map<ResourceKey, Bytes> readResFile(const std::filesystem::path& path);

}  // namespace icon_check
