#include "chm_document.h"

#include <chm_lib.h>

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace {

std::uint64_t littleEndian(const std::string& bytes, std::uint64_t at, int size) {
  if (at + size > bytes.size()) {
    throw std::runtime_error("field beyond the end of the document");
  }
  std::uint64_t value = 0;
  for (int i = size - 1; i >= 0; --i) {
    value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
  }
  return value;
}

std::uint64_t encodedInteger(const std::string& bytes, std::uint64_t& at) {
  std::uint64_t value = 0;
  for (;;) {
    if (at >= bytes.size()) {
      throw std::runtime_error("directory entry beyond the end of the document");
    }
    const auto byte = static_cast<unsigned char>(bytes[at++]);
    value = (value << 7) | (byte & 0x7F);
    if ((byte & 0x80) == 0) {
      return value;
    }
  }
}

}  // namespace

ChmDocument::ChmDocument(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    throw std::runtime_error("cannot open " + path);
  }
  bytes_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (bytes_.compare(0, 4, "ITSF") != 0) {
    throw std::runtime_error(path + " does not start with ITSF");
  }
  directoryOffset_ = littleEndian(bytes_, 0x48, 8);
  contentOffset_ = littleEndian(bytes_, 0x58, 8);
  if (bytes_.compare(directoryOffset_, 4, "ITSP") != 0) {
    throw std::runtime_error(path + " has no ITSP directory header");
  }
  const std::uint64_t chunksAt = directoryOffset_ + littleEndian(bytes_, directoryOffset_ + 8, 4);
  const std::uint64_t chunkSize = littleEndian(bytes_, directoryOffset_ + 0x10, 4);
  const std::uint64_t chunkCount = littleEndian(bytes_, directoryOffset_ + 0x2C, 4);
  for (std::uint64_t chunk = 0; chunk < chunkCount; ++chunk) {
    const std::uint64_t start = chunksAt + chunk * chunkSize;
    if (bytes_.compare(start, 4, "PMGL") != 0) {
      continue;  // an index chunk repeats names found in the listing chunks
    }
    const std::uint64_t end = start + chunkSize;
    const std::uint64_t entriesEnd = end - littleEndian(bytes_, start + 4, 4);
    ListingChunk listing{};
    listing.recordedCount = static_cast<std::uint16_t>(littleEndian(bytes_, end - 2, 2));
    for (std::uint64_t word = end - 4; word >= entriesEnd; word -= 2) {
      const auto reference = static_cast<std::uint16_t>(littleEndian(bytes_, word, 2));
      if (reference == 0) {
        break;
      }
      listing.quickReferences.push_back(reference);
    }
    std::uint64_t at = start + 20;
    while (at < entriesEnd) {
      listing.entryStarts.push_back(at - (start + 20));
      const std::uint64_t nameLength = encodedInteger(bytes_, at);
      std::string name = bytes_.substr(at, nameLength);
      at += nameLength;
      Entry entry{};
      entry.section = encodedInteger(bytes_, at);
      entry.offset = encodedInteger(bytes_, at);
      entry.length = encodedInteger(bytes_, at);
      directory_.emplace(std::move(name), entry);
    }
    listingChunks_.push_back(listing);
  }
  chmlib_ = chm_open(path.c_str());
  if (chmlib_ == nullptr) {
    throw std::runtime_error("chmlib cannot open " + path);
  }
}

ChmDocument::~ChmDocument() {
  chm_close(chmlib_);
}

std::uint32_t ChmDocument::headerVersion() const {
  return static_cast<std::uint32_t>(littleEndian(bytes_, 4, 4));
}

std::uint32_t ChmDocument::headerLength() const {
  return static_cast<std::uint32_t>(littleEndian(bytes_, 8, 4));
}

std::uint32_t ChmDocument::headerLanguage() const {
  return static_cast<std::uint32_t>(littleEndian(bytes_, 0x14, 4));
}

std::uint32_t ChmDocument::directoryLanguage() const {
  return static_cast<std::uint32_t>(littleEndian(bytes_, directoryOffset_ + 0x30, 4));
}

std::uint64_t ChmDocument::recordedFileLength() const {
  // The first header section: a DWORD, a DWORD, then the file length.
  return littleEndian(bytes_, littleEndian(bytes_, 0x38, 8) + 8, 8);
}

std::optional<std::string> ChmDocument::read(const std::string& name) const {
  const auto found = directory_.find(name);
  if (found == directory_.end()) {
    return std::nullopt;
  }
  const Entry& entry = found->second;
  if (entry.section == 0) {
    const std::uint64_t start = contentOffset_ + entry.offset;
    if (start + entry.length > bytes_.size()) {
      return std::nullopt;
    }
    return bytes_.substr(start, entry.length);
  }
  chmUnitInfo unit{};
  if (chm_resolve_object(chmlib_, name.c_str(), &unit) != CHM_RESOLVE_SUCCESS) {
    return std::nullopt;
  }
  std::string content(unit.length, '\0');
  const LONGINT64 got = chm_retrieve_object(
      chmlib_, &unit, reinterpret_cast<unsigned char*>(content.data()), 0,
      static_cast<LONGINT64>(unit.length));
  if (got != static_cast<LONGINT64>(unit.length)) {
    return std::nullopt;
  }
  return content;
}

std::optional<ChmDocument::Entry> ChmDocument::resolveWithChmlib(const std::string& name) const {
  chmUnitInfo unit{};
  if (chm_resolve_object(chmlib_, name.c_str(), &unit) != CHM_RESOLVE_SUCCESS) {
    return std::nullopt;
  }
  return Entry{static_cast<std::uint64_t>(unit.space), unit.start, unit.length};
}
