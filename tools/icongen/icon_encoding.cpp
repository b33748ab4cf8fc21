#include "icon_encoding.h"

#include "vga_palette.h"

namespace icongen {
namespace {

constexpr int kBitsPerPixel = 4;
constexpr int kColourCount = 1 << kBitsPerPixel;
constexpr std::uint32_t kBitmapInfoHeaderSize = 40;
constexpr std::uint16_t kIconResourceType = 1;
constexpr std::uint32_t kIcoDirectorySize = 6;
constexpr std::uint32_t kIcoEntrySize = 16;

void putU8(Bytes& out, std::uint32_t value) { out.push_back(static_cast<std::uint8_t>(value)); }

void putU16(Bytes& out, std::uint32_t value) {
  putU8(out, value & 0xFF);
  putU8(out, (value >> 8) & 0xFF);
}

void putU32(Bytes& out, std::uint32_t value) {
  putU16(out, value & 0xFFFF);
  putU16(out, value >> 16);
}

// Rows of a DIB are padded to whole 32-bit words.
int rowStride(int width, int bitsPerPixel) { return (width * bitsPerPixel + 31) / 32 * 4; }

std::uint32_t colourBytes(int size) {
  return static_cast<std::uint32_t>(rowStride(size, kBitsPerPixel) * size);
}

std::uint32_t maskBytes(int size) { return static_cast<std::uint32_t>(rowStride(size, 1) * size); }

void putColourRows(Bytes& out, const IconImage& image) {
  const int stride = rowStride(image.size, kBitsPerPixel);
  for (int y = image.size - 1; y >= 0; --y) {
    Bytes row(static_cast<std::size_t>(stride), 0);
    for (int x = 0; x < image.size; ++x) {
      const std::uint8_t pixel = image.at(x, y);
      // Transparent pixels are black under the mask, so the screen shows through unchanged.
      const std::uint8_t index = pixel == kTransparent ? 0 : pixel;
      row[static_cast<std::size_t>(x / 2)] |= static_cast<std::uint8_t>(x % 2 == 0 ? index << 4 : index);
    }
    out.insert(out.end(), row.begin(), row.end());
  }
}

void putMaskRows(Bytes& out, const IconImage& image) {
  const int stride = rowStride(image.size, 1);
  for (int y = image.size - 1; y >= 0; --y) {
    Bytes row(static_cast<std::size_t>(stride), 0);
    for (int x = 0; x < image.size; ++x) {
      if (image.at(x, y) == kTransparent) {
        row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
      }
    }
    out.insert(out.end(), row.begin(), row.end());
  }
}

// The fields GRPICONDIRENTRY and ICONDIRENTRY share before their last one.
void putEntryDescription(Bytes& out, const IconImage& image, const Bytes& encoded) {
  putU8(out, static_cast<std::uint32_t>(image.size));
  putU8(out, static_cast<std::uint32_t>(image.size));
  putU8(out, kColourCount);
  putU8(out, 0);   // reserved
  putU16(out, 1);  // planes
  putU16(out, kBitsPerPixel);
  putU32(out, static_cast<std::uint32_t>(encoded.size()));
}

void putDirectoryHeader(Bytes& out, const IconGroup& group) {
  putU16(out, 0);  // reserved
  putU16(out, kIconResourceType);
  putU16(out, static_cast<std::uint32_t>(group.images.size()));
}

}  // namespace

Bytes encodeIconImage(const IconImage& image) {
  Bytes out;
  const std::uint32_t pixelBytes = colourBytes(image.size) + maskBytes(image.size);
  putU32(out, kBitmapInfoHeaderSize);
  putU32(out, static_cast<std::uint32_t>(image.size));
  putU32(out, static_cast<std::uint32_t>(image.size * 2));  // colour rows and mask rows together
  putU16(out, 1);                                           // planes
  putU16(out, kBitsPerPixel);
  putU32(out, 0);  // BI_RGB
  putU32(out, pixelBytes);
  putU32(out, 0);  // horizontal resolution, unused
  putU32(out, 0);  // vertical resolution, unused
  putU32(out, 0);  // colours used: all 16
  putU32(out, 0);  // important colours: all
  for (const Rgb& colour : kVgaPalette) {
    putU8(out, colour.blue);
    putU8(out, colour.green);
    putU8(out, colour.red);
    putU8(out, 0);
  }
  putColourRows(out, image);
  putMaskRows(out, image);
  return out;
}

Bytes encodeGroupDirectory(const IconGroup& group, const std::vector<Bytes>& encodedImages) {
  Bytes out;
  putDirectoryHeader(out, group);
  for (std::size_t i = 0; i < group.images.size(); ++i) {
    putEntryDescription(out, group.images[i], encodedImages[i]);
    putU16(out, static_cast<std::uint32_t>(group.images[i].resourceId));
  }
  return out;
}

Bytes encodeIcoFile(const IconGroup& group, const std::vector<Bytes>& encodedImages) {
  Bytes out;
  putDirectoryHeader(out, group);
  auto offset = static_cast<std::uint32_t>(kIcoDirectorySize + kIcoEntrySize * group.images.size());
  for (std::size_t i = 0; i < group.images.size(); ++i) {
    putEntryDescription(out, group.images[i], encodedImages[i]);
    putU32(out, offset);
    offset += static_cast<std::uint32_t>(encodedImages[i].size());
  }
  for (const Bytes& image : encodedImages) {
    out.insert(out.end(), image.begin(), image.end());
  }
  return out;
}

}  // namespace icongen
