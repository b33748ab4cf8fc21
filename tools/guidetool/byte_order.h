#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace guidetool {

// Little-endian fields and the CHM directory's ENCINT (base 128, most
// significant group first, high bit set on every byte but the last). Reads
// throw when the field runs past the end of the bytes.
std::uint16_t readU16(std::string_view bytes, std::size_t at);
std::uint32_t readU32(std::string_view bytes, std::size_t at);
std::uint64_t readU64(std::string_view bytes, std::size_t at);
void putU16(std::string& bytes, std::size_t at, std::uint16_t value);
void putU32(std::string& bytes, std::size_t at, std::uint32_t value);
void putU64(std::string& bytes, std::size_t at, std::uint64_t value);

// Reads an ENCINT at `at` and moves `at` past it.
std::uint64_t readEncint(std::string_view bytes, std::size_t& at);
void appendEncint(std::string& bytes, std::uint64_t value);

}  // namespace guidetool
