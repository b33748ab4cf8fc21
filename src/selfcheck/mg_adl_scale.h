#pragma once
// The texts of the weekly self-check: the eight MG-ADL items, each with four
// answers scored 0 to 3. They come from a data file carried in the program
// (resources/selfcheck/mg-adl.txt), so that a clinic's validated wording can
// replace the program's own translation without a change to the code.
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

inline constexpr int kMgAdlItemCount = 8;
inline constexpr int kMgAdlMaxScore = 3;

// The items in the published order, named as the self-check file's columns.
inline constexpr std::array<std::string_view, kMgAdlItemCount> kMgAdlKeys = {
    "talking", "chewing", "swallowing", "breathing", "grooming", "rising", "double_vision", "eyelid_droop"};
enum MgAdlItem {
  kTalking,
  kChewing,
  kSwallowing,
  kBreathing,
  kGrooming,
  kRising,
  kDoubleVision,
  kEyelidDroop
};

// The data file inside Quorvane.exe: resource type CUSTOM, this id.
inline constexpr int kMgAdlResourceId = 103;

struct MgAdlItemText {
  std::string name;                                     // "复视（看东西重影）"
  std::array<std::string, kMgAdlMaxScore + 1> answers;  // captions, each from its score: "0 没有"
  // The name up to a full-width "（": a table column's heading ("复视").
  std::string ShortName() const;
};

struct MgAdlScale {
  std::string attribution;  // one line under the items: whose wording, which scale
  std::string recall;       // what the answers cover: the past 7 days
  std::string citation;     // the scale's publication, for the summary's footer
  std::array<MgAdlItemText, kMgAdlItemCount> items;
};

// Reads the data file (UTF-8, an optional byte order mark, LF or CR LF):
//   # comment lines and blank lines are skipped
//   attribution=...   recall=...   citation=...
//   [talking] 说话
//   0 正常
//   1 ...  (four answers, "0 " to "3 ", straight after their item)
// with the items in kMgAdlKeys order. Anything else gives nothing and, in
// *error, what is wrong and on which line.
std::optional<MgAdlScale> ParseMgAdlScale(std::string_view bytes, std::string* error);

}  // namespace quorvane
