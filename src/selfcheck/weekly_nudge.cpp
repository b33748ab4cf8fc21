#include "selfcheck/weekly_nudge.h"

#include "base/csv.h"
#include "diary/diary.h"
#include "selfcheck/self_check.h"

namespace quorvane {
namespace {

constexpr std::string_view kReminderKey = "weekly_selfcheck_reminder";
constexpr std::string_view kLastNudgeKey = "last_selfcheck_nudge";
constexpr std::uint64_t kMaxSettingsBytes = 64 * 1024;

std::string_view Trim(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
    text.remove_suffix(1);
  return text;
}

}  // namespace

SelfCheckSettings ParseSettings(std::string_view bytes) {
  SelfCheckSettings settings;
  if (bytes.starts_with(kUtf8ByteOrderMark)) bytes.remove_prefix(kUtf8ByteOrderMark.size());
  while (!bytes.empty()) {
    const std::size_t end = std::min(bytes.find('\n'), bytes.size());
    const std::string_view line = bytes.substr(0, end);
    bytes.remove_prefix(std::min(end + 1, bytes.size()));
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) continue;
    const std::string_view key = Trim(line.substr(0, equals)), value = Trim(line.substr(equals + 1));
    if (key == kReminderKey && (value == "0" || value == "1")) settings.weeklyReminder = value == "1";
    if (key == kLastNudgeKey)
      if (const auto day = ParseIsoDate(value)) settings.lastNudge = day;
  }
  return settings;
}

std::string FormatSettings(const SelfCheckSettings& settings) {
  std::string text = std::string(kUtf8ByteOrderMark) + std::string(kReminderKey) + '=' +
                     (settings.weeklyReminder ? "1" : "0") + "\r\n";
  if (settings.lastNudge)
    text += std::string(kLastNudgeKey) + '=' + FormatIsoDate(*settings.lastNudge) + "\r\n";
  return text;
}

SelfCheckSettings LoadSettings(FileSystem& files, std::string_view path) {
  if (!files.Exists(path)) return {};
  if (const auto size = files.FileSize(path); !size || *size > kMaxSettingsBytes) return {};
  const auto bytes = files.ReadAll(path, nullptr);
  return bytes ? ParseSettings(*bytes) : SelfCheckSettings{};
}

bool SaveSettings(FileSystem& files, std::string_view path, const SelfCheckSettings& settings,
                  FileError* error) {
  return WriteRecordFile(files, path, FormatSettings(settings), error);
}

bool WeeklyNudgeDue(const SelfCheckSettings& settings, std::optional<CivilDate> lastCheck, bool diaryUsed,
                    const CivilDate& today) {
  if (!settings.weeklyReminder || settings.lastNudge == today) return false;
  if (!lastCheck) return diaryUsed;
  return DaysSinceEpoch(today) - DaysSinceEpoch(*lastCheck) >= kNudgeAfterDays;
}

WeeklyNudge::WeeklyNudge(FileSystem& files, std::string folder) : files_(files), folder_(std::move(folder)) {}

std::string WeeklyNudge::Path(std::string_view name) const { return folder_ + '\\' + std::string(name); }

bool WeeklyNudge::Due(const CivilDate& today) {
  const SelfCheckSettings settings = LoadSettings(files_, Path(kSettingsFileName));
  if (!settings.weeklyReminder || settings.lastNudge == today) return false;
  SelfCheckFile checks(files_, Path(kSelfCheckFileName));
  if (!checks.Load(nullptr)) return false;
  const std::vector<SelfCheck> entries = checks.Entries();
  std::optional<CivilDate> lastCheck;
  if (!entries.empty()) lastCheck = entries.back().date;
  bool diaryUsed = false;
  if (!lastCheck) {
    Diary diary(files_, Path(kDiaryFileName));
    diaryUsed = diary.Load(nullptr) && !diary.Empty();
  }
  return WeeklyNudgeDue(settings, lastCheck, diaryUsed, today);
}

void WeeklyNudge::Shown(const CivilDate& today) {
  const std::string path = Path(kSettingsFileName);
  SelfCheckSettings settings = LoadSettings(files_, path);
  settings.lastNudge = today;
  // Failing to note it only means one more balloon at the next start.
  SaveSettings(files_, path, settings, nullptr);
}

}  // namespace quorvane
