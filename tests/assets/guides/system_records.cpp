#include "system_records.h"

#include <stdexcept>

namespace {

std::uint16_t word(const std::string& bytes, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                    static_cast<unsigned char>(bytes[at + 1]) << 8);
}

}  // namespace

std::map<std::uint16_t, std::vector<std::string>> systemRecords(const std::string& system) {
  std::map<std::uint16_t, std::vector<std::string>> records;
  std::size_t at = 4;
  while (at + 4 <= system.size()) {
    const std::uint16_t code = word(system, at);
    const std::uint16_t length = word(system, at + 2);
    at += 4;
    if (at + length > system.size()) {
      throw std::runtime_error("#SYSTEM record runs past the end");
    }
    records[code].push_back(system.substr(at, length));
    at += length;
  }
  if (at != system.size()) {
    throw std::runtime_error("#SYSTEM ends inside a record header");
  }
  return records;
}
