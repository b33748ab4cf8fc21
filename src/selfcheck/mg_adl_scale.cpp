#include "selfcheck/mg_adl_scale.h"

#include <algorithm>
#include <utility>

#include "base/csv.h"
#include "base/utf.h"

namespace quorvane {
namespace {

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
    text.remove_suffix(1);
  return text;
}

class ScaleReader {
 public:
  std::optional<MgAdlScale> Read(std::string_view bytes, std::string* error) {
    if (!IsValidUtf8(bytes)) {
      if (error) *error = "自评条目文件不是 UTF-8 文本。";
      return std::nullopt;
    }
    if (bytes.starts_with(kUtf8ByteOrderMark)) bytes.remove_prefix(kUtf8ByteOrderMark.size());
    for (std::size_t start = 0;;) {
      const std::size_t end = std::min(bytes.find('\n', start), bytes.size());
      ++line_;
      Take(TrimBlanks(bytes.substr(start, end - start)));
      if (!problem_.empty() || end == bytes.size()) break;
      start = end + 1;
    }
    std::string where = "第 " + std::to_string(line_) + " 行";
    if (problem_.empty()) Finish(), where = "结尾处";
    if (problem_.empty()) return scale_;
    if (error) *error = "自评条目文件" + where + "：" + problem_ + "。";
    return std::nullopt;
  }

 private:
  std::array<std::pair<std::string_view, std::string*>, 3> Settings() {
    return {{{"attribution=", &scale_.attribution},
             {"recall=", &scale_.recall},
             {"citation=", &scale_.citation}}};
  }

  void Take(std::string_view line) {
    if (line.empty() || line.starts_with('#')) return;
    if (answer_ <= kMgAdlMaxScore) {  // inside an item: its next answer
      const std::string score = std::to_string(answer_) + ' ';
      if (!line.starts_with(score) || TrimBlanks(line.substr(score.size())).empty()) return ExpectAnswer();
      scale_.items[item_].answers[answer_++] = line;
    } else if (line.starts_with('[')) {
      const std::size_t close = line.find(']');
      if (item_ + 1 == kMgAdlItemCount) return void(problem_ = "八个条目之后不应再有条目");
      if (close == std::string_view::npos || line.substr(1, close - 1) != kMgAdlKeys[item_ + 1])
        return ExpectItem();
      scale_.items[++item_].name = TrimBlanks(line.substr(close + 1));
      if (scale_.items[item_].name.empty()) return void(problem_ = "条目缺少名称");
      answer_ = 0;
    } else {
      for (const auto& [key, value] : Settings()) {
        if (!line.starts_with(key)) continue;
        if (!value->empty()) return void(problem_ = "“" + std::string(key) + "”重复了");
        *value = TrimBlanks(line.substr(key.size()));
        if (value->empty()) problem_ = "“" + std::string(key) + "”后面没有文字";
        return;
      }
      problem_ = "看不懂这一行";
    }
  }

  void Finish() {
    if (answer_ <= kMgAdlMaxScore) return ExpectAnswer();
    if (item_ + 1 < kMgAdlItemCount) return ExpectItem();
    for (const auto& [key, value] : Settings())
      if (value->empty()) return void(problem_ = "缺少“" + std::string(key) + "”一行");
  }

  void ExpectItem() { problem_ = "这里应是条目 [" + std::string(kMgAdlKeys[item_ + 1]) + "]"; }
  void ExpectAnswer() {
    problem_ = "条目 [" + std::string(kMgAdlKeys[item_]) + "] 在这里应有以“" + std::to_string(answer_) +
               " ”开头的答案";
  }

  MgAdlScale scale_;
  std::string problem_;
  int line_ = 0;
  int item_ = -1;                    // the item being read
  int answer_ = kMgAdlMaxScore + 1;  // its next answer; past the last when none is due
};

}  // namespace

std::string MgAdlItemText::ShortName() const { return name.substr(0, name.find("（")); }

std::optional<MgAdlScale> ParseMgAdlScale(std::string_view bytes, std::string* error) {
  return ScaleReader().Read(bytes, error);
}

}  // namespace quorvane
