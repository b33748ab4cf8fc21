#include "regimen/date_text.h"

#include <string>

namespace quorvane {
namespace {

// Maps full-width forms (U+FF01..U+FF5E) and the ideographic space to ASCII,
// which is what a Chinese input method often produces.
std::string NormaliseWidth(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto b0 = static_cast<unsigned char>(text[i]);
    if (b0 == 0xEF && i + 2 < text.size()) {
      const auto b1 = static_cast<unsigned char>(text[i + 1]);
      const auto b2 = static_cast<unsigned char>(text[i + 2]);
      const unsigned cp = ((b0 & 0x0Fu) << 12) | ((b1 & 0x3Fu) << 6) | (b2 & 0x3Fu);
      if (cp >= 0xFF01 && cp <= 0xFF5E) {
        out += static_cast<char>(cp - 0xFF01 + 0x21);
        i += 2;
        continue;
      }
    }
    if (text.substr(i).starts_with("\xE3\x80\x80")) {  // U+3000
      out += ' ';
      i += 2;
      continue;
    }
    out += text[i];
  }
  return out;
}

class Cursor {
 public:
  explicit Cursor(std::string_view text) : text_(text) {}
  bool AtEnd() const { return pos_ >= text_.size(); }
  void SkipBlanks() {
    while (!AtEnd() && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_;
  }
  bool Take(std::string_view token) {
    if (!text_.substr(pos_).starts_with(token)) return false;
    pos_ += token.size();
    return true;
  }
  // Reads minDigits..maxDigits decimal digits.
  std::optional<int> Number(int minDigits, int maxDigits) {
    int value = 0, count = 0;
    while (!AtEnd() && count < maxDigits && text_[pos_] >= '0' && text_[pos_] <= '9') {
      value = value * 10 + (text_[pos_++] - '0');
      ++count;
    }
    if (count < minDigits) return std::nullopt;
    return value;
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

std::optional<CivilDate> ParseDatePart(Cursor& in) {
  const auto year = in.Number(4, 4);
  if (!year) return std::nullopt;
  CivilDate date{*year, 0, 0};
  if (in.Take("年")) {
    const auto month = in.Number(1, 2);
    if (!month || !in.Take("月")) return std::nullopt;
    const auto day = in.Number(1, 2);
    if (!day) return std::nullopt;
    in.Take("日");
    date.month = *month, date.day = *day;
  } else {
    // One separator, the same between year and month and between month and
    // day: "2006-/5/22" and "2006-5/22" are not dates.
    std::string_view separator;
    for (const std::string_view candidate : {"-", "/", "."})
      if (separator.empty() && in.Take(candidate)) separator = candidate;
    if (separator.empty()) return std::nullopt;
    const auto month = in.Number(1, 2);
    if (!month || !in.Take(separator)) return std::nullopt;
    const auto day = in.Number(1, 2);
    if (!day) return std::nullopt;
    date.month = *month, date.day = *day;
  }
  if (!IsValidDate(date)) return std::nullopt;
  return date;
}

std::optional<int> ParseTimePart(Cursor& in) {
  const auto hours = in.Number(1, 2);
  if (!hours || !in.Take(":")) return std::nullopt;
  const auto minutes = in.Number(2, 2);
  if (!minutes) return std::nullopt;
  int seconds = 0;
  if (in.Take(":")) {
    const auto s = in.Number(2, 2);
    if (!s) return std::nullopt;
    seconds = *s;
  }
  if (*hours > 23 || *minutes > 59 || seconds > 59) return std::nullopt;
  return *hours * 3600 + *minutes * 60 + seconds;
}

}  // namespace

std::optional<DateTimeText> ParseDateText(std::string_view text) {
  const std::string normalised = NormaliseWidth(text);
  Cursor in(normalised);
  in.SkipBlanks();
  const auto date = ParseDatePart(in);
  if (!date) return std::nullopt;
  DateTimeText result{*date, 0};
  in.SkipBlanks();
  if (!in.AtEnd()) {
    const auto seconds = ParseTimePart(in);
    if (!seconds) return std::nullopt;
    result.secondsOfDay = *seconds;
    in.SkipBlanks();
  }
  if (!in.AtEnd()) return std::nullopt;
  return result;
}

}  // namespace quorvane
