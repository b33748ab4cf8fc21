#include "byte_order.h"

#include <stdexcept>

namespace guidetool {

namespace {

std::uint64_t readLittleEndian(std::string_view bytes, std::size_t at, std::size_t size) {
  if (at > bytes.size() || bytes.size() - at < size) {
    throw std::runtime_error("field at offset " + std::to_string(at) + " runs past the end");
  }
  std::uint64_t value = 0;
  for (std::size_t i = size; i-- > 0;) {
    value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
  }
  return value;
}

void putLittleEndian(std::string& bytes, std::size_t at, std::uint64_t value, std::size_t size) {
  if (at > bytes.size() || bytes.size() - at < size) {
    throw std::runtime_error("field at offset " + std::to_string(at) + " runs past the end");
  }
  for (std::size_t i = 0; i < size; ++i) {
    bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
  }
}

}  // namespace

std::uint16_t readU16(std::string_view bytes, std::size_t at) {
  return static_cast<std::uint16_t>(readLittleEndian(bytes, at, 2));
}

std::uint32_t readU32(std::string_view bytes, std::size_t at) {
  return static_cast<std::uint32_t>(readLittleEndian(bytes, at, 4));
}

std::uint64_t readU64(std::string_view bytes, std::size_t at) { return readLittleEndian(bytes, at, 8); }

void putU16(std::string& bytes, std::size_t at, std::uint16_t value) { putLittleEndian(bytes, at, value, 2); }

void putU32(std::string& bytes, std::size_t at, std::uint32_t value) { putLittleEndian(bytes, at, value, 4); }

void putU64(std::string& bytes, std::size_t at, std::uint64_t value) { putLittleEndian(bytes, at, value, 8); }

std::uint64_t readEncint(std::string_view bytes, std::size_t& at) {
  std::uint64_t value = 0;
  for (int groups = 0; groups < 10; ++groups) {
    if (at >= bytes.size()) {
      throw std::runtime_error("encoded integer runs past the end");
    }
    const auto byte = static_cast<unsigned char>(bytes[at++]);
    value = (value << 7) | (byte & 0x7F);
    if ((byte & 0x80) == 0) {
      return value;
    }
  }
  throw std::runtime_error("encoded integer is too long");
}

void appendEncint(std::string& bytes, std::uint64_t value) {
  char groups[10];
  std::size_t count = 0;
  do {
    groups[count++] = static_cast<char>(value & 0x7F);
    value >>= 7;
  } while (value != 0);
  while (count-- > 0) {
    bytes += static_cast<char>(groups[count] | (count > 0 ? 0x80 : 0));
  }
}

}  // namespace guidetool
