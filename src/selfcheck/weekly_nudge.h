#pragma once
// The weekly nudge to do the self-check: a tray balloon at most once a day,
// at start or with the reminder of a new day, while the switch
// "每周提醒我做自评" is on. The switch and the day of the last nudge are
// kept in settings.ini beside the diary:
//   weekly_selfcheck_reminder=1
//   last_selfcheck_nudge=2026-12-07
#include <optional>
#include <string>
#include <string_view>

#include "base/civil_date.h"
#include "base/file_system.h"

namespace quorvane {

inline constexpr std::string_view kSettingsFileName = "settings.ini";
inline constexpr std::string_view kWeeklyNudgeText = "本周还没有做自评";
inline constexpr int kNudgeAfterDays = 7;

struct SelfCheckSettings {
  bool weeklyReminder = true;
  std::optional<CivilDate> lastNudge;
  friend bool operator==(const SelfCheckSettings&, const SelfCheckSettings&) = default;
};

// Lines it does not know and values it cannot read are passed over, so a
// damaged file gives the defaults for what it lost.
SelfCheckSettings ParseSettings(std::string_view bytes);
std::string FormatSettings(const SelfCheckSettings& settings);

// A missing, unreadable or oversized file gives the defaults.
SelfCheckSettings LoadSettings(FileSystem& files, std::string_view path);
bool SaveSettings(FileSystem& files, std::string_view path, const SelfCheckSettings& settings,
                  FileError* error);

// Due when the switch is on, no nudge was shown today, and the last check is
// 7 or more days old, or there is no check yet and the diary has been used.
bool WeeklyNudgeDue(const SelfCheckSettings& settings, std::optional<CivilDate> lastCheck, bool diaryUsed,
                    const CivilDate& today);

// The decision from the files in the record folder: settings.ini,
// selfcheck.csv and doselog.csv. A self-check file that cannot be read gives
// no nudge. Shown() notes today as the day of the last nudge.
class WeeklyNudge {
 public:
  WeeklyNudge(FileSystem& files, std::string folder);
  bool Due(const CivilDate& today);
  void Shown(const CivilDate& today);

 private:
  std::string Path(std::string_view name) const;
  FileSystem& files_;
  std::string folder_;
};

}  // namespace quorvane
