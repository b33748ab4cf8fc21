#include "icon_resources.h"

#include <fstream>
#include <iterator>
#include <regex>
#include <stdexcept>

namespace icon_check {
namespace {

std::uint32_t readU16(const Bytes& data, std::size_t at) {
  if (at + 2 > data.size()) {
    throw std::runtime_error("data ends early");
  }
  return data[at] | (data[at + 1] << 8);
}

std::uint32_t readU32(const Bytes& data, std::size_t at) {
  return readU16(data, at) | (readU16(data, at + 2) << 16);
}

std::size_t alignTo4(std::size_t offset) { return (offset + 3) & ~std::size_t{3}; }

// A type or name field of a .res header: 0xFFFF and a number, or a
// NUL-terminated UTF-16 string. Returns the number, or -1 for a string.
int readResIdentifier(const Bytes& data, std::size_t& at) {
  if (readU16(data, at) == 0xFFFF) {
    const int number = static_cast<int>(readU16(data, at + 2));
    at += 4;
    return number;
  }
  while (readU16(data, at) != 0) {
    at += 2;
  }
  at += 2;
  return -1;
}

}  // namespace

Bytes readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    throw std::runtime_error("cannot read " + path.string());
  }
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::map<ResourceKey, std::string> readRcStatements(const std::filesystem::path& path) {
  std::ifstream in(path);
  if (!in) {
    throw std::runtime_error("cannot read " + path.string());
  }
  const std::regex statement(R"re(^\s*(\d+)\s+(\d+)\s+"([^"]+)"\s*$)re");
  std::map<ResourceKey, std::string> files;
  std::string line;
  std::smatch match;
  while (std::getline(in, line)) {
    if (std::regex_match(line, match, statement)) {
      files[{std::stoi(match[2]), std::stoi(match[1])}] = match[3];
    }
  }
  return files;
}

std::vector<GroupEntry> readGroupDirectory(const Bytes& data) {
  constexpr std::size_t kHeaderSize = 6;
  constexpr std::size_t kEntrySize = 14;
  if (readU16(data, 0) != 0 || readU16(data, 2) != 1) {
    throw std::runtime_error("not an icon group directory");
  }
  const std::size_t count = readU16(data, 4);
  if (data.size() != kHeaderSize + count * kEntrySize) {
    throw std::runtime_error("icon group directory has the wrong size");
  }
  std::vector<GroupEntry> entries;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t at = kHeaderSize + i * kEntrySize;
    GroupEntry entry;
    // A width or height of 0 stands for 256.
    entry.width = data[at] == 0 ? 256 : data[at];
    entry.height = data[at + 1] == 0 ? 256 : data[at + 1];
    entry.colourCount = data[at + 2];
    entry.planes = static_cast<int>(readU16(data, at + 4));
    entry.bitCount = static_cast<int>(readU16(data, at + 6));
    entry.bytesInResource = readU32(data, at + 8);
    entry.imageId = static_cast<int>(readU16(data, at + 12));
    entries.push_back(entry);
  }
  return entries;
}

IconImage::IconImage(Bytes data) : data_(std::move(data)) {
  if (data_.size() < 40 || u32(0) != 40) {
    throw std::runtime_error("icon image does not start with a BITMAPINFOHEADER");
  }
}

std::uint32_t IconImage::u32(std::size_t at) const { return readU32(data_, at); }

int IconImage::width() const { return static_cast<int>(u32(4)); }

int IconImage::height() const { return static_cast<int>(u32(8)) / 2; }

int IconImage::bitCount() const { return static_cast<int>(readU16(data_, 14)); }

int IconImage::paletteEntries() const {
  const std::uint32_t coloursUsed = u32(32);
  if (coloursUsed != 0) {
    return static_cast<int>(coloursUsed);
  }
  return bitCount() <= 8 ? 1 << bitCount() : 0;
}

std::size_t IconImage::colourStride() const {
  return (static_cast<std::size_t>(width()) * static_cast<std::size_t>(bitCount()) + 31) / 32 * 4;
}

std::size_t IconImage::maskStride() const { return (static_cast<std::size_t>(width()) + 31) / 32 * 4; }

std::size_t IconImage::colourRowsOffset() const { return 40 + static_cast<std::size_t>(paletteEntries()) * 4; }

std::size_t IconImage::expectedSize() const {
  return colourRowsOffset() + (colourStride() + maskStride()) * static_cast<std::size_t>(height());
}

bool IconImage::maskIsSetAt(int x, int y) const {
  const std::size_t row = static_cast<std::size_t>(height() - 1 - y);
  const std::size_t at = colourRowsOffset() + colourStride() * static_cast<std::size_t>(height()) +
                         row * maskStride() + static_cast<std::size_t>(x / 8);
  return (data_.at(at) & (0x80 >> (x % 8))) != 0;
}

int IconImage::colourAt(int x, int y) const {
  // Only the palette depths; the checks use no other.
  const int bits = bitCount();
  const std::size_t row = static_cast<std::size_t>(height() - 1 - y);
  const std::size_t bitOffset = static_cast<std::size_t>(x) * static_cast<std::size_t>(bits);
  const std::uint8_t byte = data_.at(colourRowsOffset() + row * colourStride() + bitOffset / 8);
  const int shift = 8 - bits - static_cast<int>(bitOffset % 8);
  return (byte >> shift) & ((1 << bits) - 1);
}

std::map<ResourceKey, Bytes> readResFile(const std::filesystem::path& path) {
  const Bytes data = readFile(path);
  std::map<ResourceKey, Bytes> resources;
  std::size_t entry = 0;
  while (entry + 8 <= data.size()) {
    const std::uint32_t dataSize = readU32(data, entry);
    const std::uint32_t headerSize = readU32(data, entry + 4);
    std::size_t at = entry + 8;
    const int type = readResIdentifier(data, at);
    const int id = readResIdentifier(data, at);
    const std::size_t dataStart = entry + headerSize;
    if (dataStart + dataSize > data.size()) {
      throw std::runtime_error(path.string() + ": resource data runs past the end");
    }
    // The empty first entry marks a 32-bit .res file; it has type 0.
    if (type > 0 && id >= 0) {
      resources[{type, id}] = Bytes(data.begin() + static_cast<std::ptrdiff_t>(dataStart),
                                    data.begin() + static_cast<std::ptrdiff_t>(dataStart + dataSize));
    }
    entry = alignTo4(dataStart + dataSize);
  }
  return resources;
}

}  // namespace icon_check
