// Checks the compiled guides this build made, read back independently of
// the tool that made them.

#include "chm_document.h"
#include "document_links.h"
#include "gbk_decoding.h"
#include "system_records.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace {

struct ExpectedGuide {
  std::string path;
  std::string title;         // UTF-8; stored as GBK
  std::string compiledName;  // the stem the document gives itself
};

const std::vector<ExpectedGuide>& expectedGuides() {
  static const std::vector<ExpectedGuide> guides = {
      {QUORVANE_ASSETS_DIR "/qelmuEbook.chm", "重症肌无力指南", "qelmuebook"},
      {QUORVANE_ASSETS_DIR "/tkw.chm", "肌无力症手册", "tkw"},
      // Built from the test fixtures with enough pages that the directory
      // needs several listing chunks and an index chunk.
      {LARGE_SAMPLE_CHM, "样例指南", "sample"},
  };
  return guides;
}

constexpr std::uint32_t kChineseLanguage = 0x0804;
constexpr std::uint16_t kContentsFileCode = 0;
constexpr std::uint16_t kIndexFileCode = 1;
constexpr std::uint16_t kDefaultTopicCode = 2;
constexpr std::uint16_t kTitleCode = 3;
constexpr std::uint16_t kLanguageCode = 4;
constexpr std::uint16_t kCompiledFileCode = 6;
constexpr char kGb2312Meta[] =
    R"(<meta http-equiv="content-type" content="text/html; charset=gb2312">)";

std::string lowercase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

bool endsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() &&
         text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// A string record is its text followed by one NUL.
std::string recordText(const std::string& record) {
  if (record.empty() || record.back() != '\0') {
    return "<not NUL-terminated>";
  }
  return record.substr(0, record.size() - 1);
}

std::string decodedFile(const ChmDocument& document, const std::string& name) {
  const std::optional<std::string> content = document.read(name);
  if (!content) {
    ADD_FAILURE() << name << " cannot be read";
    return "";
  }
  const std::optional<std::string> text = decodeGbk(*content);
  if (!text) {
    ADD_FAILURE() << name << " is not valid GBK";
    return "";
  }
  return *text;
}

std::vector<std::string> pageNames(const ChmDocument& document) {
  std::vector<std::string> pages;
  for (const auto& [name, entry] : document.directory()) {
    if (endsWith(lowercase(name), ".htm")) {
      pages.push_back(name);
    }
  }
  return pages;
}

TEST(GuideDocument, HeaderIsItsfVersion3WithChineseLanguage) {
  for (const ExpectedGuide& guide : expectedGuides()) {
    SCOPED_TRACE(guide.path);
    const ChmDocument document(guide.path);
    EXPECT_EQ(document.headerVersion(), 3u);
    EXPECT_EQ(document.headerLength(), 96u);
    EXPECT_EQ(document.headerLanguage(), kChineseLanguage);
    EXPECT_EQ(document.directoryLanguage(), kChineseLanguage);
    EXPECT_EQ(document.recordedFileLength(), document.bytes().size());
  }
}

TEST(GuideDocument, SystemRecordsTitleNameTopicContentsAndIndex) {
  for (const ExpectedGuide& guide : expectedGuides()) {
    SCOPED_TRACE(guide.path);
    const ChmDocument document(guide.path);
    const std::optional<std::string> system = document.read("/#SYSTEM");
    ASSERT_TRUE(system);
    const auto records = systemRecords(*system);
    for (std::uint16_t code : {kContentsFileCode, kIndexFileCode, kDefaultTopicCode, kTitleCode,
                               kLanguageCode, kCompiledFileCode}) {
      ASSERT_EQ(records.count(code), 1u) << "code " << code;
      ASSERT_EQ(records.at(code).size(), 1u) << "code " << code << " is given more than once";
    }
    EXPECT_EQ(decodeGbk(recordText(records.at(kTitleCode)[0])), guide.title);
    EXPECT_EQ(recordText(records.at(kCompiledFileCode)[0]), guide.compiledName);
    EXPECT_EQ(recordText(records.at(kDefaultTopicCode)[0]), "index.htm");
    EXPECT_EQ(recordText(records.at(kContentsFileCode)[0]), "TOC.HHC");
    EXPECT_EQ(recordText(records.at(kIndexFileCode)[0]), "INDEX.HHK");
    const std::string& language = records.at(kLanguageCode)[0];
    ASSERT_GE(language.size(), 4u);
    std::uint32_t recordedLanguage = 0;
    for (int i = 3; i >= 0; --i) {
      recordedLanguage = recordedLanguage << 8 | static_cast<unsigned char>(language[i]);
    }
    EXPECT_EQ(recordedLanguage, kChineseLanguage);
  }
}

TEST(GuideDocument, CompiledNameIsTheFileStemIgnoringCase) {
  for (const ExpectedGuide& guide : expectedGuides()) {
    SCOPED_TRACE(guide.path);
    const ChmDocument document(guide.path);
    const auto records = systemRecords(document.read("/#SYSTEM").value());
    ASSERT_EQ(records.count(kCompiledFileCode), 1u);
    EXPECT_EQ(lowercase(recordText(records.at(kCompiledFileCode)[0])),
              lowercase(std::filesystem::path(guide.path).stem().string()));
  }
}

TEST(GuideDocument, ContentsIndexAndPagesAreInTheCompressedSection) {
  for (const ExpectedGuide& guide : expectedGuides()) {
    SCOPED_TRACE(guide.path);
    const ChmDocument document(guide.path);
    std::vector<std::string> names = pageNames(document);
    ASSERT_FALSE(names.empty());
    EXPECT_TRUE(document.directory().count("/index.htm"));
    names.push_back("/TOC.HHC");
    names.push_back("/INDEX.HHK");
    for (const std::string& name : names) {
      const auto entry = document.directory().find(name);
      ASSERT_NE(entry, document.directory().end()) << name;
      EXPECT_EQ(entry->second.section, 1u) << name;
      EXPECT_GT(entry->second.length, 0u) << name;
    }
  }
}

TEST(GuideDocument, EveryContentsAndIndexTargetIsInTheDocument) {
  for (const ExpectedGuide& guide : expectedGuides()) {
    SCOPED_TRACE(guide.path);
    const ChmDocument document(guide.path);
    for (const std::string sitemap : {"/TOC.HHC", "/INDEX.HHK"}) {
      const std::vector<std::string> targets = sitemapTargets(decodedFile(document, sitemap));
      EXPECT_FALSE(targets.empty()) << sitemap << " points nowhere";
      for (const std::string& target : targets) {
        EXPECT_TRUE(document.directory().count(storedNameOf(target)))
            << sitemap << " points at " << target;
      }
    }
  }
}

TEST(GuideDocument, EveryPageIsGbkAndDeclaresGb2312) {
  for (const ExpectedGuide& guide : expectedGuides()) {
    SCOPED_TRACE(guide.path);
    const ChmDocument document(guide.path);
    for (const std::string& page : pageNames(document)) {
      const std::string text = decodedFile(document, page);
      EXPECT_NE(lowercase(text).find(kGb2312Meta), std::string::npos) << page;
    }
  }
}

TEST(GuideDocument, EveryPageLinkIsInTheDocument) {
  for (const ExpectedGuide& guide : expectedGuides()) {
    SCOPED_TRACE(guide.path);
    const ChmDocument document(guide.path);
    for (const std::string& page : pageNames(document)) {
      for (const std::string& target : pageLinkTargets(decodedFile(document, page))) {
        EXPECT_TRUE(document.directory().count(storedNameOf(target)))
            << page << " links to " << target;
      }
    }
  }
}

// chmlib finds files by its own walk of the directory; both walks must agree
// on where every file lies.
TEST(GuideDocument, DirectoryAgreesWithChmlib) {
  for (const ExpectedGuide& guide : expectedGuides()) {
    SCOPED_TRACE(guide.path);
    const ChmDocument document(guide.path);
    ASSERT_TRUE(document.directory().count("/#SYSTEM"));
    for (const auto& [name, entry] : document.directory()) {
      const std::optional<ChmDocument::Entry> resolved = document.resolveWithChmlib(name);
      ASSERT_TRUE(resolved) << name;
      EXPECT_EQ(resolved->section, entry.section) << name;
      EXPECT_EQ(resolved->offset, entry.offset) << name;
      EXPECT_EQ(resolved->length, entry.length) << name;
    }
  }
}

// The help viewer may search a listing chunk through its quick-reference
// table, so the table and the entry count must match the entries.
TEST(GuideDocument, ListingChunksDescribeTheirEntries) {
  for (const ExpectedGuide& guide : expectedGuides()) {
    SCOPED_TRACE(guide.path);
    const ChmDocument document(guide.path);
    ASSERT_FALSE(document.listingChunks().empty());
    for (const ChmDocument::ListingChunk& chunk : document.listingChunks()) {
      EXPECT_EQ(chunk.recordedCount, chunk.entryStarts.size());
      std::uint64_t previous = 0;
      for (std::uint16_t reference : chunk.quickReferences) {
        EXPECT_GT(reference, previous);
        EXPECT_NE(std::find(chunk.entryStarts.begin(), chunk.entryStarts.end(), reference),
                  chunk.entryStarts.end())
            << "quick reference " << reference << " is not where an entry starts";
        previous = reference;
      }
    }
  }
}

}  // namespace
