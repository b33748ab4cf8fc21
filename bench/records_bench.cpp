// Ten years of records: 3,650 diary rows and 520 weekly self-checks. Prints
// the median time of what opening 用药记录 does besides drawing its window
// (reading both files, the month's marks and texts, the trend) and of
// building 就诊摘要 (reading both files, the figures, the page). It only
// prints figures.
//
// Usage: bench_records [folder for the generated files] [runs]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "diary/diary.h"
#include "diary/diary_month.h"
#include "selfcheck/self_check.h"
#include "summary/summary_page.h"

using namespace quorvane;

namespace {

// The record files through the C++ library; enough for reading them.
struct StreamFiles : FileSystem {
  bool Exists(std::string_view path) override { return std::filesystem::is_regular_file(path); }
  std::optional<std::uint64_t> FileSize(std::string_view path) override {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    return error ? std::nullopt : std::optional<std::uint64_t>(size);
  }
  std::optional<std::string> ReadAll(std::string_view path, FileError* error) override {
    std::ifstream in(std::string(path), std::ios::binary);
    if (!in) return error ? error->description = "cannot open" : "", std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  bool WriteAll(std::string_view path, std::string_view bytes, FileError*) override {
    std::ofstream out(std::string(path), std::ios::binary);
    return static_cast<bool>(out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())));
  }
  bool Rename(std::string_view from, std::string_view to, FileError*) override {
    std::error_code error;
    std::filesystem::rename(from, to, error);
    return !error;
  }
  void Remove(std::string_view path) override { std::filesystem::remove(path); }
  bool CreateFolder(std::string_view path, FileError*) override {
    std::error_code error;
    std::filesystem::create_directories(path, error);
    return !error;
  }
};

constexpr CivilDate kToday{2026, 12, 7};
const RegimenValues kRegimen{"强的松", "2016-12-11", "6", 1, 1, 0};

void WriteRecords(FileSystem& files, const std::string& diaryPath, const std::string& checksPath) {
  std::vector<DiaryRow> diary;
  std::vector<DatedRow<SelfCheck>> checks;
  const std::int64_t today = DaysSinceEpoch(kToday);
  for (std::int64_t day = today - 3649; day <= today; ++day) {
    const CivilDate date = DateFromDays(day);
    const bool missed = day % 23 == 0;
    diary.push_back({DiaryEntry{date,
                                missed ? DoseStatus::Missed : DoseStatus::Taken,
                                "强的松",
                                "6",
                                missed ? "出差，忘了带药" : (day % 5 == 0 ? "早饭后,温水" : ""),
                                {date, 8, 5, 0}}});
    if ((today - day) % 7 == 0 && checks.size() < 520) {
      SelfCheck check{date, {}, day % 3 == 0 ? "感冒了" : "", {date, 20, 15, 0}};
      for (int item = 0; item < kMgAdlItemCount; ++item)
        check.scores[item] = static_cast<int>((day + item) % 3 == 0);
      checks.push_back({check});
    }
  }
  std::sort(checks.begin(), checks.end(), [](const auto& a, const auto& b) {
    return DaysSinceEpoch(a.entry->date) < DaysSinceEpoch(b.entry->date);
  });
  FileError error;
  if (!WriteRecordFile(files, diaryPath, FormatDiaryFile(diary), &error) ||
      !WriteRecordFile(files, checksPath, FormatDatedFile<SelfCheckFormat>(checks), &error)) {
    std::fprintf(stderr, "bench_records: cannot write the record files\n");
    std::exit(1);
  }
}

struct Times {
  double median, fastest;
};

// Wall-clock times: the fastest run shows the work without other programs
// competing for the processor.
template <typename Work>
Times TimeMs(int runs, Work&& work) {
  std::vector<double> times;
  for (int run = 0; run < runs; ++run) {
    const auto start = std::chrono::steady_clock::now();
    work();
    times.push_back(
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(times.begin(), times.end());
  return {times[times.size() / 2], times.front()};
}

}  // namespace

int main(int argc, char** argv) {
  const std::string folder = argc > 1 ? argv[1] : "bench-records";
  const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 51;
  StreamFiles files;
  const std::string diaryPath = folder + "/doselog.csv", checksPath = folder + "/selfcheck.csv";
  WriteRecords(files, diaryPath, checksPath);
  std::size_t sink = 0;  // keeps the work from being optimised away

  const Times opening = TimeMs(runs, [&] {
    Diary diary(files, diaryPath);
    SelfCheckFile checks(files, checksPath);
    FileError error;
    if (!diary.Load(&error) || !checks.Load(&error)) std::exit(1);
    const auto marks = MonthMarks(diary, kRegimen, kToday.year, kToday.month, kToday);
    const DiaryEntry* entry = diary.Find(kToday);
    sink += MonthSummaryText(SummarizeMonth(marks)).size() +
            DayDescription(marks[kToday.day - 1], entry ? entry->note : "").size() +
            BuildTrend(checks.Entries(), kToday).label.size();
  });

  MgAdlScale scale;
  for (int item = 0; item < kMgAdlItemCount; ++item) scale.items[item].name = std::string(kMgAdlKeys[item]);
  std::size_t pageBytes = 0;
  const auto summaryMs = [&](const DateRange& period) {
    return TimeMs(runs, [&] {
      Diary diary(files, diaryPath);
      SelfCheckFile checks(files, checksPath);
      FileError error;
      if (!diary.Load(&error) || !checks.Load(&error)) std::exit(1);
      const VisitSummary summary =
          SummarizeVisit(diary.Entries(), checks.Entries(), kRegimen, period, kToday);
      pageBytes = VisitSummaryHtml(summary, scale).size();
      sink += pageBytes;
    });
  };
  const Times summary90 = summaryMs(*PeriodOf(SummaryPeriod::Last90Days, kToday));
  const Times summaryAll =
      summaryMs(*PeriodOf(SummaryPeriod::SinceDate, kToday, DateFromDays(DaysSinceEpoch(kToday) - 3649)));

  std::printf("3,650 diary rows (%llu bytes) and 520 weekly checks (%llu bytes), %d runs:\n",
              static_cast<unsigned long long>(*files.FileSize(diaryPath)),
              static_cast<unsigned long long>(*files.FileSize(checksPath)), runs);
  std::printf("   median   fastest     goal\n");
  const auto row = [](const Times& times, const char* goal, const std::string& what) {
    std::printf("%6.2f ms %6.2f ms %8s  %s\n", times.median, times.fastest, goal, what.c_str());
  };
  row(opening, "100 ms", "opening 用药记录: both files, the month view, the trend");
  row(summary90, "50 ms", "就诊摘要 of the last 90 days: both files, the figures, the page");
  row(summaryAll, "", "就诊摘要 of all ten years (a page of " + std::to_string(pageBytes / 1024) + " KB)");
  return sink == 0;
}
