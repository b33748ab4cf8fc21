// Starts Quorvane.exe and the floor program in alternating pairs under Wine
// and prints, as medians and as Quorvane's ratios to the floor (the ratio of
// the medians, and the median of the ratios within each pair):
//  - the time from the process start to its box, drawn;
//  - the time from the process start to its tray icon, without the time the
//    box waited for its press;
//  - the CPU time from the start to the icon;
//  - the wake-ups and CPU time in the 5 s after the icon;
//  - the private memory 5 s after the icon, and 12 s after Quorvane's main
//    window was closed to the tray;
//  - wake-ups and CPU time while hidden, from 2 s to 12 s after Quorvane's
//    main window was closed to the tray;
//  - the size of the program files.
// It only prints figures.
//
// Usage: bench_runner <pairs> <Quorvane.exe> <floor program.exe>
//
// Before each start of Quorvane it stores a record that makes today a dose
// day with the reminder on and no tip window; the floor is given the same
// reminder text to show first. The runner presses OK as soon as the box is
// drawn.
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr wchar_t kReminderText[] = L"强的松6片，别忘记！";

double NowMs() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void SleepUntil(double ms) {
  while (NowMs() < ms) Sleep(static_cast<DWORD>(std::max(1.0, ms - NowMs())));
}

// Wine's own tray shows each icon as a child window of this class.
std::vector<HWND> TrayIcons() {
  std::vector<HWND> icons;
  for (HWND tray = nullptr; (tray = FindWindowExW(nullptr, tray, nullptr, L"Wine System Tray"));)
    for (HWND icon = nullptr; (icon = FindWindowExW(tray, icon, L"__winex11_tray_icon", nullptr));)
      icons.push_back(icon);
  return icons;
}

HWND FindTopLevel(const wchar_t* windowClass, const wchar_t* title, DWORD processId) {
  for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, windowClass, title));) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == processId) return window;
  }
  return nullptr;
}

// The box is on screen as the user sees it: visible, and neither it nor any
// of its controls waits to be painted.
bool Drawn(HWND box) {
  if (!IsWindowVisible(box) || GetUpdateRect(box, nullptr, FALSE)) return false;
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE)) return false;
  return true;
}

std::string ReadFileBytes(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string bytes;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof(buffer), &got, nullptr) && got > 0) bytes.append(buffer, got);
  CloseHandle(file);
  return bytes;
}

std::string Narrow(const std::wstring& text) {
  std::string out;
  for (const wchar_t c : text) out += static_cast<char>(c < 0x80 ? c : '?');
  return out;
}

// The Linux process Wine runs a program in, seen through drive Z: (the Linux
// root): its command line starts with the program's path, and it belongs to
// this Wine prefix.
std::wstring LinuxProcessFolder(const std::wstring& program) {
  wchar_t prefix[MAX_PATH] = L"";
  GetEnvironmentVariableW(L"WINEPREFIX", prefix, MAX_PATH);
  const std::string wantedCommand = Narrow(program);
  const std::string wantedPrefix = "WINEPREFIX=" + Narrow(prefix);
  WIN32_FIND_DATAW entry;
  HANDLE search = FindFirstFileW(L"Z:\\proc\\*", &entry);
  if (search == INVALID_HANDLE_VALUE) return {};
  std::wstring found;
  do {
    if (entry.cFileName[0] < L'0' || entry.cFileName[0] > L'9') continue;
    const std::wstring folder = std::wstring(L"Z:\\proc\\") + entry.cFileName;
    if (ReadFileBytes(folder + L"\\cmdline").starts_with(wantedCommand) &&
        ReadFileBytes(folder + L"\\environ").find(wantedPrefix + '\0') != std::string::npos)
      found = folder;
  } while (found.empty() && FindNextFileW(search, &entry));
  FindClose(search);
  return found;
}

long long FieldAfter(const std::string& text, const char* name) {
  const auto at = text.find(name);
  return at == std::string::npos ? 0 : std::atoll(text.c_str() + at + std::strlen(name));
}

// Context switches (each one a wake-up or a preemption) and CPU time of each
// of the process's threads, from the Linux kernel's counters.
struct ThreadActivity {
  long long switches = 0;
  long long cpuNs = 0;
};
using Activity = std::map<std::wstring, ThreadActivity>;

Activity ReadActivity(const std::wstring& processFolder) {
  Activity activity;
  WIN32_FIND_DATAW entry;
  HANDLE search = FindFirstFileW((processFolder + L"\\task\\*").c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return activity;
  do {
    if (entry.cFileName[0] < L'0' || entry.cFileName[0] > L'9') continue;
    const std::wstring task = processFolder + L"\\task\\" + entry.cFileName;
    const std::string status = ReadFileBytes(task + L"\\status");
    activity[entry.cFileName] = {FieldAfter(status, "\nvoluntary_ctxt_switches:") +
                                     FieldAfter(status, "\nnonvoluntary_ctxt_switches:"),
                                 std::atoll(ReadFileBytes(task + L"\\schedstat").c_str())};
  } while (FindNextFileW(search, &entry));
  FindClose(search);
  return activity;
}

// What the process did between two readings: in all, and in its busiest
// thread.
struct Difference {
  double switches = 0;
  double cpuMs = 0;
  double busiestThreadSwitches = 0;
  int threads = 0;
};

Difference Between(const Activity& before, const Activity& after) {
  Difference difference;
  for (const auto& [thread, now] : after) {
    const auto then = before.find(thread);
    const ThreadActivity start = then == before.end() ? ThreadActivity{} : then->second;
    const double switches = static_cast<double>(now.switches - start.switches);
    difference.switches += switches;
    difference.cpuMs += static_cast<double>(now.cpuNs - start.cpuNs) / 1e6;
    difference.busiestThreadSwitches = std::max(difference.busiestThreadSwitches, switches);
    ++difference.threads;
  }
  return difference;
}

void StoreDoseDayRecord() {
  SYSTEMTIME today;
  GetLocalTime(&today);
  wchar_t record[64];
  swprintf(record, 64, L"强的松|%04u-%02u-%02u|6|3|0", today.wYear, today.wMonth, today.wDay);
  RegSetKeyValueW(HKEY_CURRENT_USER, L"Software", L"Quorvane", REG_SZ, record,
                  static_cast<DWORD>((wcslen(record) + 1) * sizeof(wchar_t)));
}

// A dead program's icon stays in Wine's tray until the tray fails to reach
// its window, which a mouse move over the icon makes it try.
void ClearDeadIcons(std::size_t expected) {
  const double deadline = NowMs() + 5000;
  while (TrayIcons().size() > expected && NowMs() < deadline) {
    for (HWND icon : TrayIcons()) PostMessageW(icon, WM_MOUSEMOVE, 0, 0);
    Sleep(50);
  }
}

struct Sample {
  int pair = 0;
  double boxMs = 0;
  double iconMs = 0;
  double cpuToIconMs = 0;
  double wakeUpsAfterIcon = 0;
  double cpuAfterIconMs = 0;
  double busiestThreadAfterIcon = 0;
  double threads = 0;
  double privateMb = 0;
  double hiddenWakeUps = 0;
  double hiddenCpuMs = 0;
  double hiddenPrivateMb = 0;
};

// PagefileUsage is the process's commit charge, the figure Windows also
// gives as PrivateUsage; Wine fills only PagefileUsage for another process,
// from the Linux process's RssAnon + VmSwap.
double PrivateMb(HANDLE process) {
  PROCESS_MEMORY_COUNTERS memory{sizeof(memory)};
  GetProcessMemoryInfo(process, &memory, sizeof(memory));
  return static_cast<double>(memory.PagefileUsage) / (1024.0 * 1024.0);
}

enum class Kind { Quorvane, Floor };

bool RunOnce(Kind kind, const std::wstring& program, Sample& sample) {
  std::wstring commandLine = L"\"" + program + L"\"";
  if (kind == Kind::Quorvane)
    StoreDoseDayRecord();
  else
    commandLine += std::wstring(L" ") + kReminderText;

  const std::size_t iconsBefore = TrayIcons().size();
  STARTUPINFOW startup{sizeof(startup)};
  PROCESS_INFORMATION process{};
  const double start = NowMs();
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    std::printf("cannot start %s (error %lu)\n", Narrow(program).c_str(), GetLastError());
    return false;
  }
  bool ok = false;
  double pressed = 0;
  std::wstring linuxProcess;
  while (NowMs() - start < 30000) {
    if (pressed == 0) {
      HWND box = FindTopLevel(L"#32770", L"Quorvane", process.dwProcessId);
      if (box && Drawn(box)) {
        sample.boxMs = NowMs() - start;
        // The process waits for the press meanwhile; this time is not counted.
        linuxProcess = LinuxProcessFolder(program);
        pressed = NowMs();
        PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
      }
    } else if (TrayIcons().size() > iconsBefore) {
      ok = !linuxProcess.empty();
      break;
    }
    Sleep(1);
  }
  const double icon = NowMs();
  sample.iconMs = sample.boxMs + (icon - pressed);

  if (ok) {
    const Activity atIcon = ReadActivity(linuxProcess);
    sample.cpuToIconMs = Between({}, atIcon).cpuMs;
    SleepUntil(icon + 5000);
    const Difference afterIcon = Between(atIcon, ReadActivity(linuxProcess));
    sample.wakeUpsAfterIcon = afterIcon.switches;
    sample.cpuAfterIconMs = afterIcon.cpuMs;
    sample.busiestThreadAfterIcon = afterIcon.busiestThreadSwitches;
    sample.threads = afterIcon.threads;
    sample.privateMb = PrivateMb(process.hProcess);

    // Quorvane shows its main window after start-up; close it to the tray.
    // The floor's window is hidden from the start.
    if (kind == Kind::Quorvane) {
      HWND main = FindTopLevel(L"QuorvaneMainWindow", nullptr, process.dwProcessId);
      if (main) PostMessageW(main, WM_CLOSE, 0, 0);
      const double deadline = NowMs() + 5000;
      while (main && IsWindowVisible(main) && NowMs() < deadline) Sleep(1);
      ok = main && !IsWindowVisible(main);
    }
    const double hidden = NowMs();
    SleepUntil(hidden + 2000);
    const Activity before = ReadActivity(linuxProcess);
    SleepUntil(hidden + 12000);
    const Difference whileHidden = Between(before, ReadActivity(linuxProcess));
    sample.hiddenWakeUps = whileHidden.switches;
    sample.hiddenCpuMs = whileHidden.cpuMs;
    sample.hiddenPrivateMb = PrivateMb(process.hProcess);
  }

  TerminateProcess(process.hProcess, 0);
  WaitForSingleObject(process.hProcess, 10000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  ClearDeadIcons(iconsBefore);
  if (!ok) std::printf("run of %s failed\n", Narrow(program).c_str());
  return ok;
}

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double FileKb(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data);
  return static_cast<double>(data.nFileSizeLow) / 1024.0;
}

void PrintRow(const char* what, double quorvane, double floor, const char* goal, double pairRatio = 0) {
  char ratio[32] = "-", ofPairs[32] = "";
  if (floor > 0) std::snprintf(ratio, sizeof(ratio), "%.2f", quorvane / floor);
  if (pairRatio > 0) std::snprintf(ofPairs, sizeof(ofPairs), "%.2f", pairRatio);
  std::printf("%-40s %10.2f %10.2f %8s %8s   %s\n", what, quorvane, floor, ratio, ofPairs, goal);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 4) {
    std::printf("usage: bench_runner <pairs> <Quorvane.exe> <floor program.exe>\n");
    return 2;
  }
  const int pairs = std::max(1, _wtoi(argv[1]));
  const std::wstring programs[] = {argv[2], argv[3]};
  const Kind kinds[] = {Kind::Quorvane, Kind::Floor};
  const char* names[] = {"Quorvane", "floor"};
  std::setvbuf(stdout, nullptr, _IONBF, 0);

  // One start of each, not counted, brings up Wine's desktop and tray and
  // warms the file cache.
  Sample ignored;
  for (int k = 0; k < 2; ++k) RunOnce(kinds[k], programs[k], ignored);

  // Pairs alternate which program starts first, so that a slow drift of the
  // machine weighs on both alike.
  std::vector<Sample> samples[2];
  for (int pair = 1; pair <= pairs; ++pair) {
    for (int turn = 0; turn < 2; ++turn) {
      const int k = pair % 2 ? turn : 1 - turn;
      Sample sample;
      sample.pair = pair;
      if (!RunOnce(kinds[k], programs[k], sample)) continue;
      samples[k].push_back(sample);
      std::printf(
          "pair %2d %-8s box %6.1f ms  icon %6.1f ms  CPU %6.1f ms | 5 s after icon: wake-ups %5.0f "
          "(%.0f threads, busiest %5.0f) CPU %5.1f ms | private %5.2f MB | hidden: wake-ups %3.0f CPU %4.1f "
          "ms private %5.2f MB\n",
          pair, names[k], sample.boxMs, sample.iconMs, sample.cpuToIconMs, sample.wakeUpsAfterIcon,
          sample.threads, sample.busiestThreadAfterIcon, sample.cpuAfterIconMs, sample.privateMb,
          sample.hiddenWakeUps, sample.hiddenCpuMs, sample.hiddenPrivateMb);
    }
  }

  const auto median = [&](int k, double Sample::*field) {
    std::vector<double> values;
    for (const Sample& sample : samples[k]) values.push_back(sample.*field);
    return Median(values);
  };
  // The ratio within each pair, whose two runs were next to each other in
  // time, then the median of those: less swayed by the machine's load
  // changing during the run.
  const auto pairRatio = [&](double Sample::*field) {
    std::vector<double> ratios;
    for (const Sample& quorvane : samples[0])
      for (const Sample& floor : samples[1])
        if (quorvane.pair == floor.pair && floor.*field > 0) ratios.push_back(quorvane.*field / floor.*field);
    return Median(ratios);
  };
  const auto row = [&](const char* what, double Sample::*field, const char* goal) {
    PrintRow(what, median(0, field), median(1, field), goal, pairRatio(field));
  };
  std::printf("\nMedians of %zu runs of Quorvane.exe and %zu of the floor program\n", samples[0].size(),
              samples[1].size());
  std::printf("%-40s %10s %10s %8s %8s   %s\n", "", "Quorvane", "floor", "ratio", "of pairs", "goal");
  row("start to box drawn (ms)", &Sample::boxMs, "ratio <= 1.15");
  row("start to tray icon, box wait left out (ms)", &Sample::iconMs, "ratio <= 1.15");
  row("CPU time, start to icon (ms)", &Sample::cpuToIconMs, "");
  row("wake-ups in the 5 s after the icon", &Sample::wakeUpsAfterIcon, "");
  row("CPU time in the 5 s after the icon (ms)", &Sample::cpuAfterIconMs, "");
  char memoryGoal[64];
  std::snprintf(memoryGoal, sizeof(memoryGoal), "within 1.5 MB (difference %+.2f MB)",
                median(0, &Sample::privateMb) - median(1, &Sample::privateMb));
  row("private memory 5 s after icon (MB)", &Sample::privateMb, memoryGoal);
  row("private memory while hidden, 12 s (MB)", &Sample::hiddenPrivateMb, "");
  row("wake-ups while hidden, 2-12 s", &Sample::hiddenWakeUps, "0");
  row("CPU time while hidden, 2-12 s (ms)", &Sample::hiddenCpuMs, "0");
  PrintRow("program file size (KB)", FileKb(programs[0]), FileKb(programs[1]), "");
  return 0;
}
