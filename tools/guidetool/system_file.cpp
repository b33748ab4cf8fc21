#include "system_file.h"

#include "byte_order.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <vector>

namespace guidetool {

namespace {

constexpr std::uint16_t kCompiledFileCode = 6;
constexpr std::uint16_t kTimeStampCode = 10;
// Code 4 holds the language, flags and, at bytes 20 to 27, a FILETIME.
constexpr std::uint16_t kLanguageAndFlagsCode = 4;
constexpr std::size_t kLanguageRecordFileTimeAt = 20;
constexpr std::size_t kFileTimeSize = 8;

struct SystemRecord {
  std::uint16_t code;
  std::string data;
};

std::vector<SystemRecord> parseRecords(std::string_view system) {
  std::vector<SystemRecord> records;
  std::size_t at = 4;
  while (at < system.size()) {
    const std::uint16_t code = readU16(system, at);
    const std::uint16_t length = readU16(system, at + 2);
    at += 4;
    if (system.size() - at < length) {
      throw std::runtime_error("#SYSTEM record " + std::to_string(code) + " runs past the end");
    }
    records.push_back({code, std::string(system.substr(at, length))});
    at += length;
  }
  return records;
}

}  // namespace

std::string finishSystemFile(std::string_view system, const std::string& compiledFile) {
  if (system.size() < 4) {
    throw std::runtime_error("#SYSTEM is too short");
  }
  std::vector<SystemRecord> records = parseRecords(system);
  std::erase_if(records, [](const SystemRecord& r) { return r.code == kCompiledFileCode; });
  records.push_back({kCompiledFileCode, compiledFile + '\0'});
  for (SystemRecord& record : records) {
    if (record.code == kTimeStampCode) {
      std::fill(record.data.begin(), record.data.end(), '\0');
    }
    if (record.code == kLanguageAndFlagsCode &&
        record.data.size() >= kLanguageRecordFileTimeAt + kFileTimeSize) {
      std::fill_n(record.data.begin() + kLanguageRecordFileTimeAt, kFileTimeSize, '\0');
    }
  }

  std::string result(system.substr(0, 4));  // the version
  for (const SystemRecord& record : records) {
    std::string header(4, '\0');
    putU16(header, 0, record.code);
    putU16(header, 2, static_cast<std::uint16_t>(record.data.size()));
    result += header;
    result += record.data;
  }
  return result;
}

}  // namespace guidetool
