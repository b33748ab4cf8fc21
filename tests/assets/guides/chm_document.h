#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

struct chmFile;

// A compiled HTML Help document opened for checking. The header and the
// directory are read here byte by byte; files in the LZX-compressed section
// are read through chmlib.
class ChmDocument {
 public:
  struct Entry {
    std::uint64_t section;
    std::uint64_t offset;
    std::uint64_t length;
  };

  // What one listing chunk says about its own entries: where each starts
  // (counted from the first), the count in its last word, and the
  // quick-reference words before that, up to the first zero word.
  struct ListingChunk {
    std::vector<std::uint64_t> entryStarts;
    std::uint16_t recordedCount;
    std::vector<std::uint16_t> quickReferences;
  };

  explicit ChmDocument(const std::string& path);
  ~ChmDocument();
  ChmDocument(const ChmDocument&) = delete;
  ChmDocument& operator=(const ChmDocument&) = delete;

  const std::string& bytes() const { return bytes_; }
  std::uint32_t headerVersion() const;
  std::uint32_t headerLength() const;
  std::uint32_t headerLanguage() const;
  std::uint32_t directoryLanguage() const;
  std::uint64_t recordedFileLength() const;

  // Every name in the directory, exactly as stored (names are case-sensitive
  // here; chmlib's lookup is not).
  const std::map<std::string, Entry>& directory() const { return directory_; }
  const std::vector<ListingChunk>& listingChunks() const { return listingChunks_; }

  // The content of a stored file, or nothing when the name is not in the
  // directory or its bytes cannot be read.
  std::optional<std::string> read(const std::string& name) const;

  // chmlib's own view of a name, to compare with the directory read here.
  std::optional<Entry> resolveWithChmlib(const std::string& name) const;

 private:
  std::string bytes_;
  std::map<std::string, Entry> directory_;
  std::vector<ListingChunk> listingChunks_;
  std::uint64_t contentOffset_ = 0;
  std::uint64_t directoryOffset_ = 0;
  chmFile* chmlib_ = nullptr;
};
