#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace guidetool {

// One name in the document's directory: which section holds the file and
// where in that section it lies.
struct DirectoryEntry {
  std::string name;  // UTF-8, "/" for the root, "/page.htm", "::DataSpace/..."
  std::uint64_t section = 0;
  std::uint64_t offset = 0;
  std::uint64_t length = 0;
};

// A listing ("PMGL") chunk of the directory. Entries sit after a 20-byte
// header; the chunk ends with a quick-reference table of 16-bit entry
// offsets, written backwards from the end, and the entry count in its last
// two bytes.
struct ListingChunk {
  std::vector<DirectoryEntry> entries;
  // Which entries the quick-reference table points at, in table order.
  // Kept as indices so that rewriting the entries keeps the table's layout
  // whatever spacing the compiler chose.
  std::vector<std::size_t> quickrefEntries;
};

bool isListingChunk(std::string_view chunk);
ListingChunk parseListingChunk(std::string_view chunk);

// Writes the entries back into the chunk, whose header words other than the
// free-space length are kept. Throws when they no longer fit.
void rewriteListingChunk(std::string& chunk, const ListingChunk& listing);

}  // namespace guidetool
