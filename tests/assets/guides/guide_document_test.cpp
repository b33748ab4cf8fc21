// Checks the compiled guides this build made. The directory is walked here
// byte by byte, apart from guidetool so the two cannot share a mistake, and
// compared with chmlib's own walk; file contents come through chmlib.

#include <chm_lib.h>
#include <gtest/gtest.h>

#include <strings.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <regex>
#include <stdexcept>
#include <string>
#include <vector>

#include "gbk_codec.h"

namespace {

using quorvane::testing::FromGbk;

std::uint64_t littleEndian(const std::string& bytes, std::uint64_t at, int size) {
  if (at + size > bytes.size()) throw std::runtime_error("field beyond the end of the document");
  std::uint64_t value = 0;
  for (int i = size - 1; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

std::uint64_t encodedInteger(const std::string& bytes, std::uint64_t& at) {
  std::uint64_t value = 0;
  for (unsigned char byte = 0x80; byte & 0x80; value = value << 7 | (byte & 0x7F))
    byte = static_cast<unsigned char>(bytes.at(at++));
  return value;
}

struct Entry {
  std::uint64_t section, offset, length;
  bool operator==(const Entry&) const = default;
};

// What a listing chunk says of itself: where each entry starts, the count in
// its last word and the quick-reference words before it.
struct Listing {
  std::vector<std::uint64_t> starts;
  std::uint64_t recordedCount;
  std::vector<std::uint64_t> quickReferences;
};

struct Document {
  explicit Document(const std::string& path) : lib(chm_open(path.c_str())) {
    std::ifstream in(path, std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (lib == nullptr || bytes.compare(0, 4, "ITSF") != 0)
      throw std::runtime_error(path + " is not a compiled help document");
    const std::uint64_t directoryAt = littleEndian(bytes, 0x48, 8);
    const std::uint64_t firstChunk = directoryAt + littleEndian(bytes, directoryAt + 8, 4);
    const std::uint64_t chunkSize = littleEndian(bytes, directoryAt + 0x10, 4);
    for (std::uint64_t n = 0; n < littleEndian(bytes, directoryAt + 0x2C, 4); ++n) {
      const std::uint64_t start = firstChunk + n * chunkSize, end = start + chunkSize;
      if (bytes.compare(start, 4, "PMGL") != 0) continue;  // an index chunk repeats listing names
      const std::uint64_t entriesEnd = end - littleEndian(bytes, start + 4, 4);
      Listing& listing = listings.emplace_back();
      listing.recordedCount = littleEndian(bytes, end - 2, 2);
      for (std::uint64_t word = end - 4; word >= entriesEnd && littleEndian(bytes, word, 2); word -= 2)
        listing.quickReferences.push_back(littleEndian(bytes, word, 2));
      for (std::uint64_t at = start + 20; at < entriesEnd;) {
        listing.starts.push_back(at - start - 20);
        const std::uint64_t nameLength = encodedInteger(bytes, at);
        Entry& entry = directory[bytes.substr(at, nameLength)];
        at += nameLength;
        entry.section = encodedInteger(bytes, at);
        entry.offset = encodedInteger(bytes, at);
        entry.length = encodedInteger(bytes, at);
      }
    }
  }
  ~Document() { chm_close(lib); }
  Document(const Document&) = delete;
  Document& operator=(const Document&) = delete;

  // The file as chmlib reads it; empty when chmlib cannot find or read it.
  std::string read(const std::string& name) const {
    chmUnitInfo unit{};
    if (chm_resolve_object(lib, name.c_str(), &unit) != CHM_RESOLVE_SUCCESS) return {};
    std::string content(unit.length, '\0');
    const auto got = chm_retrieve_object(lib, &unit, reinterpret_cast<unsigned char*>(content.data()), 0,
                                         static_cast<LONGINT64>(unit.length));
    return got == static_cast<LONGINT64>(unit.length) ? content : std::string();
  }

  chmFile* lib;
  std::string bytes;
  std::map<std::string, Entry> directory;
  std::vector<Listing> listings;
};

struct Guide {
  const char* path;
  const char* title;  // UTF-8; stored as GBK
};

const Guide kGuides[] = {
    {QUORVANE_ASSETS_DIR "/qelmuEbook.chm", "重症肌无力指南"},
    {QUORVANE_ASSETS_DIR "/tkw.chm", "肌无力症手册"},
    // Enough pages that the directory needs several listing chunks and an index chunk.
    {LARGE_SAMPLE_CHM, "样例指南"},
};

// What guidetool's finishing writes: #SYSTEM with each record once (the
// viewer names the document in links by record 6, the file's stem) and the
// file length in the header.
TEST(GuideDocument, FinishedSystemFileAndHeader) {
  for (const Guide& guide : kGuides) {
    SCOPED_TRACE(guide.path);
    const Document document(guide.path);
    const std::string system = document.read("/#SYSTEM");
    std::map<std::uint64_t, std::vector<std::string>> records;
    std::uint64_t at = 4;
    for (; at + 4 <= system.size(); at += 4 + littleEndian(system, at + 2, 2))
      records[littleEndian(system, at, 2)].push_back(system.substr(at + 4, littleEndian(system, at + 2, 2)));
    EXPECT_EQ(at, system.size()) << "the last record does not end the file";
    const std::string stem = std::filesystem::path(guide.path).stem().string();
    const std::map<std::uint64_t, std::string> expected = {
        {0, "TOC.HHC"}, {1, "INDEX.HHK"}, {2, "index.htm"}, {3, guide.title}, {6, stem}};
    for (const auto& [code, text] : expected) {
      ASSERT_EQ(records[code].size(), 1u) << "record " << code;
      const std::string record = records[code][0];
      EXPECT_TRUE(
          record.back() == '\0' &&
          strcasecmp(FromGbk(record.substr(0, record.size() - 1)).value_or("").c_str(), text.c_str()) == 0)
          << "record " << code << " is " << record;
    }
    const std::string& bytes = document.bytes;
    EXPECT_EQ(littleEndian(bytes, littleEndian(bytes, 0x38, 8) + 8, 8), bytes.size());
  }
}

// chmlib finds files by its own search through the index chunks; both walks
// must agree on where every file lies, and every file must read back whole.
// The help viewer may search a listing chunk through its quick-reference
// table, so the table and the entry count must match the entries.
TEST(GuideDocument, DirectoryAgreesWithChmlibAndItsListings) {
  for (const Guide& guide : kGuides) {
    SCOPED_TRACE(guide.path);
    const Document document(guide.path);
    ASSERT_TRUE(document.directory.count("/#SYSTEM"));
    for (const auto& [name, entry] : document.directory) {
      chmUnitInfo unit{};
      ASSERT_EQ(chm_resolve_object(document.lib, name.c_str(), &unit), CHM_RESOLVE_SUCCESS) << name;
      EXPECT_EQ((Entry{static_cast<std::uint64_t>(unit.space), unit.start, unit.length}), entry) << name;
      const bool page = name.ends_with(".htm") || name.ends_with(".HHC") || name.ends_with(".HHK");
      EXPECT_TRUE(!page || FromGbk(document.read(name)).value_or("").find("<") != std::string::npos) << name;
    }
    ASSERT_FALSE(document.listings.empty());
    for (const Listing& chunk : document.listings) {
      EXPECT_EQ(chunk.recordedCount, chunk.starts.size());
      std::uint64_t previous = 0;
      for (const std::uint64_t reference : chunk.quickReferences) {
        EXPECT_TRUE(reference > previous && std::count(chunk.starts.begin(), chunk.starts.end(), reference))
            << "quick reference " << reference << " is not where a later entry starts";
        previous = reference;
      }
    }
  }
}

// What a patient reads: every page of both guides and every shipped tip, as
// plain text cut into sentences at 。！？ and at tags other than inline ones.
// A heading starts a section; its sentence is "\f".
struct Text {
  std::string where;
  std::vector<std::string> sentences;
};

std::vector<std::string> sentences(std::string text) {
  static const std::regex space(R"(\s+)"), blank("&nbsp;"),
      inlineTag(R"(</?(a|b|i|em|strong|span)\b[^>]*>)", std::regex::icase),
      heading(R"(<h[1-6]\b)", std::regex::icase), tag("<[^>]*>"), end("(。|！|？)");
  text = std::regex_replace(std::regex_replace(text, space, " "), blank, " ");
  text = std::regex_replace(std::regex_replace(text, inlineTag, ""), heading, "\n\f\n$&");
  text = std::regex_replace(std::regex_replace(text, tag, "\n"), end, "$1\n");
  std::vector<std::string> found;
  for (std::size_t at = 0, next; at < text.size(); at = next + 1) {
    next = std::min(text.find('\n', at), text.size());
    const std::string sentence = text.substr(at, next - at);
    if (sentence.find_first_not_of(' ') != std::string::npos) found.push_back(sentence);
  }
  return found;
}

std::vector<Text> patientTexts() {
  std::vector<Text> texts;
  for (const Guide& guide : {kGuides[0], kGuides[1]}) {
    const Document document(guide.path);
    for (const auto& [name, entry] : document.directory) {
      if (name.ends_with(".htm"))
        texts.push_back({guide.path + name, sentences(FromGbk(document.read(name)).value_or(""))});
    }
  }
  std::ifstream in(QUORVANE_ASSETS_DIR "/TIPOFDAY.TXT", std::ios::binary);
  const std::string tips = FromGbk(std::string(std::istreambuf_iterator<char>(in), {})).value_or("");
  int line = 0;
  for (std::size_t at = 0, next; at < tips.size(); at = next + 2) {
    next = std::min(tips.find("\r\n", at), tips.size());
    texts.push_back({"TIPOFDAY.TXT line " + std::to_string(++line), sentences(tips.substr(at, next - at))});
  }
  return texts;
}

// The medical reviews' rules, and the program's own rule for the dose reminder
// (a box at each start on a dose day; a dose day every day when 隔日顿服 is not
// ticked or the start date cannot be read). Patterns are regular expressions.
enum class Scope { kSentence, kSection, kText };  // where mustHave is looked for
struct ContentRule {
  const char* when;         // searched in each sentence
  const char* mustHave;     // near it, by the scope; nullptr for none
  const char* mustNotHave;  // not in the same sentence; nullptr for none
  Scope scope = Scope::kSentence;
  bool pagesOnly = false;  // a tip is too short for it
};
const char kEveryDay[] = "天天.*提醒|每天都.*提醒|提醒.*天天|提醒.*每天都";
const ContentRule kContentRules[] = {
    {"肉毒毒素", "已经在用的药，请不要自己停用，先问医生", nullptr, Scope::kText, true},
    {"", nullptr, "灭活疫苗|停药日"},
    {"120", "119", nullptr},
    {"120", "新出现或明显加重的呼吸困难或吞咽困难", nullptr, Scope::kText},
    {"呼吸困难或吞咽困难", "新出现或明显加重的呼吸困难或吞咽困难", nullptr},
    {"吃不下激素|吃不进激素|吃不下药|吃不进药", "当天联系医生", nullptr, Scope::kText},
    {"带状疱疹", nullptr, "较早|老|旧|以前|过去|早期|第一代"},
    {"不吃|不服用|停服", "除非医生另有交代", nullptr},
    {kEveryDay, "隔日顿服", nullptr, Scope::kSection},
    {kEveryDay, "开始日期", nullptr, Scope::kSection},
    {kEveryDay, "不服药日", nullptr, Scope::kSection},
    {"提醒", nullptr, "最多.*一次|只.*一次|只在|不会.*提醒|不提醒|不提示|不弹|告诉您.*是不是服药日"},
};

TEST(GuideContent, PagesAndTipsKeepTheReviewRules) {
  for (const Text& text : patientTexts()) {
    std::vector<std::string> sections(1);
    std::vector<std::size_t> sectionOf;
    for (const std::string& sentence : text.sentences) {
      if (sentence == "\f") sections.emplace_back();
      sections.back() += sentence + "\n";
      sectionOf.push_back(sections.size() - 1);
    }
    std::string whole;
    for (const std::string& section : sections) whole += section;
    for (const ContentRule& rule : kContentRules) {
      const std::regex when(rule.when), mustHave(rule.mustHave ? rule.mustHave : ""),
          mustNotHave(rule.mustNotHave ? rule.mustNotHave : "$^");
      for (std::size_t i = 0; i < text.sentences.size(); ++i) {
        const std::string& sentence = text.sentences[i];
        if ((rule.pagesOnly && !text.where.ends_with(".htm")) || !std::regex_search(sentence, when)) continue;
        const std::string& near = rule.scope == Scope::kSentence  ? sentence
                                  : rule.scope == Scope::kSection ? sections[sectionOf[i]]
                                                                  : whole;
        EXPECT_TRUE(std::regex_search(near, mustHave))
            << text.where << ": \"" << sentence << "\" without " << rule.mustHave;
        EXPECT_FALSE(std::regex_search(sentence, mustNotHave))
            << text.where << ": \"" << sentence << "\" has " << rule.mustNotHave;
      }
    }
  }
}

// Older readers: no size below 12 pt in any style sheet or page.
TEST(GuideContent, NoTextBelowTwelvePoints) {
  static const std::regex declaration(R"(font(-size)?\s*:([^;}"]*))", std::regex::icase),
      size(R"((^|[\s:])([0-9.]+)(pt|px|em|%)|small)", std::regex::icase);
  const std::map<std::string, double> kSmallest = {{"pt", 12}, {"px", 16}, {"em", 1}, {"%", 100}};
  for (const Guide& guide : {kGuides[0], kGuides[1]}) {
    const Document document(guide.path);
    for (const auto& [name, entry] : document.directory) {
      if (!name.ends_with(".htm") && !name.ends_with(".css")) continue;
      const std::string source = document.read(name);
      EXPECT_EQ(source.find("<font"), std::string::npos) << guide.path << name;
      for (std::sregex_iterator found(source.begin(), source.end(), declaration), end; found != end;
           ++found) {
        const std::string value = (*found)[2];
        for (std::sregex_iterator number(value.begin(), value.end(), size); number != end; ++number) {
          EXPECT_TRUE((*number)[3].matched && std::stod((*number)[2]) >= kSmallest.at((*number)[3]))
              << guide.path << name << ": " << (*found)[0];
        }
      }
    }
  }
}

// The tip window shows one tip in a fixed box: at most 36 characters each.
TEST(GuideContent, EveryTipFitsTheTipWindow) {
  for (const Text& text : patientTexts()) {
    if (!text.where.starts_with("TIPOFDAY.TXT")) continue;
    std::string tip;
    for (const std::string& sentence : text.sentences) tip += sentence;
    EXPECT_LE(std::count_if(tip.begin(), tip.end(), [](char c) { return (c & 0xC0) != 0x80; }), 36)
        << text.where << ": " << tip;
  }
}

// Index words a reader looks up in trouble, and a page each must reach.
TEST(GuideContent, IndexLeadsFromTroubleToTheRightPages) {
  const struct {
    const Guide& guide;
    const char *keyword, *page;
  } kEntries[] = {
      {kGuides[0], "漏服", "11-alternate-day.htm"},     {kGuides[0], "漏服", "08-pyridostigmine.htm"},
      {kGuides[0], "吞咽困难", "25-warning-signs.htm"}, {kGuides[1], "漏服", "03-missed-dose.htm"},
      {kGuides[1], "吞咽困难", "06-warning-signs.htm"}, {kGuides[0], "带状疱疹", "18-infection.htm"},
      {kGuides[0], "带状疱疹", "19-vaccination.htm"},   {kGuides[1], "血氧仪", "06-warning-signs.htm"},
      {kGuides[0], "血氧仪", "25-warning-signs.htm"},   {kGuides[1], "天天提醒", "02-dose-days.htm"},
  };
  for (const auto& [guide, keyword, page] : kEntries) {
    // The keyword's sitemap object, from its name to its end, lists the page.
    const std::string index = FromGbk(Document(guide.path).read("/INDEX.HHK")).value_or("");
    const std::size_t at = std::min(index.find("value=\"" + std::string(keyword) + "\">"), index.size());
    EXPECT_NE(index.substr(at, index.find("OBJECT>", at) - at).find("value=\"" + std::string(page) + "\">"),
              std::string::npos)
        << guide.path << ": " << keyword << " does not lead to " << page;
  }
}

}  // namespace
