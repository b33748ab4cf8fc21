#include "chm_finish.h"

#include "byte_order.h"
#include "chm_directory.h"
#include "system_file.h"

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <vector>

namespace guidetool {

namespace {

// The version 3 ITSF header; the layout is the same in every document.
constexpr std::uint32_t kItsfVersion = 3;
constexpr std::size_t kItsfHeaderSize = 0x60;
constexpr std::size_t kTimeStampAt = 0x10;
constexpr std::size_t kHeaderSection0OffsetAt = 0x38;
constexpr std::size_t kDirectoryOffsetAt = 0x48;
constexpr std::size_t kDirectoryLengthAt = 0x50;
constexpr std::size_t kContentOffsetAt = 0x58;
// Header section 0 holds the length of the whole file.
constexpr std::size_t kFileLengthInSection0At = 0x08;
// The ITSP directory header in front of the chunks.
constexpr std::size_t kItspHeaderLengthAt = 0x08;
constexpr std::size_t kChunkSizeAt = 0x10;
constexpr std::size_t kChunkCountAt = 0x2C;

constexpr char kSystemName[] = "/#SYSTEM";

struct Layout {
  std::size_t fileLengthAt;
  std::size_t firstChunkAt;
  std::size_t chunkSize;
  std::size_t chunkCount;
  std::size_t contentAt;  // where section 0 begins
};

Layout readLayout(std::string_view chm) {
  if (chm.substr(0, 4) != "ITSF" || readU32(chm, 4) != kItsfVersion || readU32(chm, 8) != kItsfHeaderSize) {
    throw std::runtime_error("not a version 3 ITSF document");
  }
  Layout layout{};
  layout.fileLengthAt = readU64(chm, kHeaderSection0OffsetAt) + kFileLengthInSection0At;
  if (readU64(chm, layout.fileLengthAt) != chm.size()) {
    throw std::runtime_error("the header's file length does not match the file");
  }
  const std::uint64_t directoryAt = readU64(chm, kDirectoryOffsetAt);
  const std::uint64_t directoryLength = readU64(chm, kDirectoryLengthAt);
  if (chm.substr(directoryAt, 4) != "ITSP") {
    throw std::runtime_error("no ITSP directory header");
  }
  layout.firstChunkAt = directoryAt + readU32(chm, directoryAt + kItspHeaderLengthAt);
  layout.chunkSize = readU32(chm, directoryAt + kChunkSizeAt);
  layout.chunkCount = readU32(chm, directoryAt + kChunkCountAt);
  if (layout.firstChunkAt + layout.chunkSize * layout.chunkCount != directoryAt + directoryLength) {
    throw std::runtime_error("the directory's chunks do not fill its length");
  }
  layout.contentAt = readU64(chm, kContentOffsetAt);
  // Moving section-0 files must not move the directory.
  if (layout.contentAt < directoryAt + directoryLength || layout.contentAt > chm.size()) {
    throw std::runtime_error("section 0 does not follow the directory");
  }
  return layout;
}

}  // namespace

std::string finishChm(std::string_view chm, const std::string& compiledFile) {
  const Layout layout = readLayout(chm);

  std::vector<std::optional<ListingChunk>> chunks;
  std::optional<DirectoryEntry> system;
  for (std::size_t i = 0; i < layout.chunkCount; ++i) {
    const std::string_view chunk = chm.substr(layout.firstChunkAt + i * layout.chunkSize, layout.chunkSize);
    if (!isListingChunk(chunk)) {
      chunks.emplace_back();  // an index chunk: names only, nothing to change
      continue;
    }
    chunks.push_back(parseListingChunk(chunk));
    for (const DirectoryEntry& entry : chunks.back()->entries) {
      if (entry.name == kSystemName && entry.section == 0) {
        system = entry;
      }
    }
  }
  if (!system || layout.contentAt + system->offset + system->length > chm.size()) {
    throw std::runtime_error("no readable #SYSTEM in section 0");
  }

  const std::size_t systemAt = layout.contentAt + system->offset;
  const std::size_t systemEnd = systemAt + system->length;
  const std::string newSystem = finishSystemFile(chm.substr(systemAt, system->length), compiledFile);
  const std::uint64_t oldSystemEnd = system->offset + system->length;

  std::string result(chm.substr(0, systemAt));
  for (std::size_t i = 0; i < chunks.size(); ++i) {
    if (!chunks[i]) {
      continue;
    }
    for (DirectoryEntry& entry : chunks[i]->entries) {
      if (entry.section != 0) {
        continue;
      }
      if (entry.name == kSystemName) {
        entry.length = newSystem.size();
      } else if (entry.offset >= oldSystemEnd) {
        entry.offset = entry.offset - system->length + newSystem.size();
      } else if (entry.offset + entry.length > system->offset) {
        throw std::runtime_error(entry.name + " overlaps #SYSTEM");
      }
    }
    std::string chunk = result.substr(layout.firstChunkAt + i * layout.chunkSize, layout.chunkSize);
    rewriteListingChunk(chunk, *chunks[i]);
    result.replace(layout.firstChunkAt + i * layout.chunkSize, layout.chunkSize, chunk);
  }
  result += newSystem;
  result += chm.substr(systemEnd);

  putU64(result, layout.fileLengthAt, result.size());
  putU32(result, kTimeStampAt, 0);
  return result;
}

}  // namespace guidetool
