#include "chm_directory.h"

#include "byte_order.h"

#include <algorithm>
#include <stdexcept>

namespace guidetool {

namespace {

constexpr std::size_t kListingHeaderSize = 20;
constexpr std::size_t kFreeSpaceAt = 4;

std::string encodeEntries(const std::vector<DirectoryEntry>& entries, std::vector<std::size_t>& entryStarts) {
  std::string encoded;
  entryStarts.clear();
  for (const DirectoryEntry& entry : entries) {
    entryStarts.push_back(encoded.size());
    appendEncint(encoded, entry.name.size());
    encoded += entry.name;
    appendEncint(encoded, entry.section);
    appendEncint(encoded, entry.offset);
    appendEncint(encoded, entry.length);
  }
  return encoded;
}

}  // namespace

bool isListingChunk(std::string_view chunk) { return chunk.substr(0, 4) == "PMGL"; }

ListingChunk parseListingChunk(std::string_view chunk) {
  const std::size_t freeSpace = readU32(chunk, kFreeSpaceAt);
  if (freeSpace + kListingHeaderSize > chunk.size()) {
    throw std::runtime_error("listing chunk with an impossible free-space length");
  }
  const std::size_t entriesEnd = chunk.size() - freeSpace;
  const std::size_t count = readU16(chunk, chunk.size() - 2);

  ListingChunk listing;
  std::vector<std::size_t> entryStarts;
  std::size_t at = kListingHeaderSize;
  for (std::size_t i = 0; i < count; ++i) {
    entryStarts.push_back(at - kListingHeaderSize);
    DirectoryEntry entry;
    const std::uint64_t nameLength = readEncint(chunk, at);
    if (nameLength > entriesEnd - std::min(at, entriesEnd)) {
      throw std::runtime_error("directory name runs past the listing");
    }
    entry.name = std::string(chunk.substr(at, nameLength));
    at += nameLength;
    entry.section = readEncint(chunk, at);
    entry.offset = readEncint(chunk, at);
    entry.length = readEncint(chunk, at);
    listing.entries.push_back(entry);
  }
  if (at != entriesEnd) {
    throw std::runtime_error("listing chunk entries do not end where its header says");
  }

  // The table is read backwards from just before the count until a zero
  // word or the end of the entries; entry 0 is never in it.
  std::size_t previous = 0;
  for (std::size_t word = chunk.size() - 4; word >= entriesEnd; word -= 2) {
    const std::size_t offset = readU16(chunk, word);
    if (offset == 0) {
      break;
    }
    const auto found = std::find(entryStarts.begin(), entryStarts.end(), offset);
    if (found == entryStarts.end() || static_cast<std::size_t>(found - entryStarts.begin()) <= previous) {
      throw std::runtime_error("listing chunk quick-reference table not understood");
    }
    previous = static_cast<std::size_t>(found - entryStarts.begin());
    listing.quickrefEntries.push_back(previous);
  }
  return listing;
}

void rewriteListingChunk(std::string& chunk, const ListingChunk& listing) {
  std::vector<std::size_t> entryStarts;
  const std::string encoded = encodeEntries(listing.entries, entryStarts);
  const std::size_t tableSize = 2 * listing.quickrefEntries.size() + 2;
  if (kListingHeaderSize + encoded.size() + tableSize > chunk.size()) {
    throw std::runtime_error("directory entries no longer fit their listing chunk");
  }
  const std::size_t entriesEnd = kListingHeaderSize + encoded.size();
  std::fill(chunk.begin() + kListingHeaderSize, chunk.end(), '\0');
  std::copy(encoded.begin(), encoded.end(), chunk.begin() + kListingHeaderSize);
  putU32(chunk, kFreeSpaceAt, static_cast<std::uint32_t>(chunk.size() - entriesEnd));
  std::size_t word = chunk.size() - 4;
  for (std::size_t index : listing.quickrefEntries) {
    putU16(chunk, word, static_cast<std::uint16_t>(entryStarts.at(index)));
    word -= 2;
  }
  putU16(chunk, chunk.size() - 2, static_cast<std::uint16_t>(listing.entries.size()));
}

}  // namespace guidetool
