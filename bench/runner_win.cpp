// Starts Quorvane.exe and a minimal tray program alternately under Wine and
// prints, as medians and as ratios to the minimal program: the time from
// process start to the tray icon, private memory 5 s after the icon, wake-ups
// and CPU time while hidden (2 s to 12 s after the main window was closed to
// the tray), and the size of the program files. It only prints figures.
//
// Usage: bench_runner <runs> <Quorvane.exe> <minimal tray program.exe>
//
// Before each start it stores a record that makes today a dose day with the
// reminder on and no tip window, and the minimal program is given the same
// reminder text to show first. The runner presses OK in both boxes.
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
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

// Context switches (each one a wake-up or a preemption) and CPU time of all
// the process's threads, from the Linux kernel's counters.
struct Activity {
  long long switches = 0;
  long long cpuNs = 0;
};

long long FieldAfter(const std::string& text, const char* name) {
  const auto at = text.find(name);
  return at == std::string::npos ? 0 : std::atoll(text.c_str() + at + std::strlen(name));
}

Activity ReadActivity(const std::wstring& processFolder) {
  Activity activity;
  WIN32_FIND_DATAW entry;
  HANDLE search = FindFirstFileW((processFolder + L"\\task\\*").c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return activity;
  do {
    if (entry.cFileName[0] < L'0' || entry.cFileName[0] > L'9') continue;
    const std::wstring task = processFolder + L"\\task\\" + entry.cFileName;
    const std::string status = ReadFileBytes(task + L"\\status");
    activity.switches += FieldAfter(status, "\nvoluntary_ctxt_switches:") +
                         FieldAfter(status, "\nnonvoluntary_ctxt_switches:");
    activity.cpuNs += std::atoll(ReadFileBytes(task + L"\\schedstat").c_str());
  } while (FindNextFileW(search, &entry));
  FindClose(search);
  return activity;
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
  double iconMs = 0;
  double privateMb = 0;
  double wakeUps = 0;
  double cpuMs = 0;
};

enum class Kind { Quorvane, Minimal };

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
  HWND pressed = nullptr;
  while (NowMs() - start < 30000) {
    if (HWND box = FindTopLevel(L"#32770", L"Quorvane", process.dwProcessId); box && box != pressed) {
      PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
      pressed = box;
    }
    if (TrayIcons().size() > iconsBefore) {
      ok = true;
      break;
    }
    Sleep(1);
  }
  const double icon = NowMs();
  sample.iconMs = icon - start;

  if (ok) {
    SleepUntil(icon + 5000);
    // PagefileUsage is the process's commit charge, the figure Windows also
    // gives as PrivateUsage; Wine fills only PagefileUsage for another
    // process, from the Linux process's RssAnon + VmSwap.
    PROCESS_MEMORY_COUNTERS memory{sizeof(memory)};
    GetProcessMemoryInfo(process.hProcess, &memory, sizeof(memory));
    sample.privateMb = static_cast<double>(memory.PagefileUsage) / (1024.0 * 1024.0);

    // Quorvane shows its main window after start-up; close it to the tray.
    // The minimal program's window is hidden from the start.
    if (kind == Kind::Quorvane) {
      HWND main = FindTopLevel(L"QuorvaneMainWindow", nullptr, process.dwProcessId);
      if (main) PostMessageW(main, WM_CLOSE, 0, 0);
      const double deadline = NowMs() + 5000;
      while (main && IsWindowVisible(main) && NowMs() < deadline) Sleep(1);
      ok = main && !IsWindowVisible(main);
    }
    const double hidden = NowMs();
    const std::wstring linuxProcess = LinuxProcessFolder(program);
    ok = ok && !linuxProcess.empty();
    SleepUntil(hidden + 2000);
    const Activity before = ReadActivity(linuxProcess);
    SleepUntil(hidden + 12000);
    const Activity after = ReadActivity(linuxProcess);
    sample.wakeUps = static_cast<double>(after.switches - before.switches);
    sample.cpuMs = static_cast<double>(after.cpuNs - before.cpuNs) / 1e6;
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

void PrintRow(const char* what, double quorvane, double minimal, const char* goal) {
  char ratio[32] = "-";
  if (minimal > 0) std::snprintf(ratio, sizeof(ratio), "%.2f", quorvane / minimal);
  std::printf("%-38s %10.2f %10.2f %8s   %s\n", what, quorvane, minimal, ratio, goal);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 4) {
    std::printf("usage: bench_runner <runs> <Quorvane.exe> <minimal tray program.exe>\n");
    return 2;
  }
  const int runs = std::max(1, _wtoi(argv[1]));
  const std::wstring programs[] = {argv[2], argv[3]};
  const Kind kinds[] = {Kind::Quorvane, Kind::Minimal};
  const char* names[] = {"Quorvane", "minimal"};
  std::setvbuf(stdout, nullptr, _IONBF, 0);

  // One start of each, not counted, brings up Wine's desktop and tray and
  // warms the file cache.
  Sample ignored;
  for (int k = 0; k < 2; ++k) RunOnce(kinds[k], programs[k], ignored);

  std::vector<Sample> samples[2];
  for (int run = 1; run <= runs; ++run) {
    for (int k = 0; k < 2; ++k) {
      Sample sample;
      if (!RunOnce(kinds[k], programs[k], sample)) continue;
      samples[k].push_back(sample);
      std::printf("run %2d %-8s  icon %7.1f ms  private %6.2f MB  wake-ups %5.0f  CPU %7.2f ms\n", run,
                  names[k], sample.iconMs, sample.privateMb, sample.wakeUps, sample.cpuMs);
    }
  }

  const auto median = [&](int k, double Sample::*field) {
    std::vector<double> values;
    for (const Sample& sample : samples[k]) values.push_back(sample.*field);
    return Median(values);
  };
  std::printf("\nMedians of %zu runs of Quorvane.exe and %zu of the minimal tray program\n",
              samples[0].size(), samples[1].size());
  std::printf("%-38s %10s %10s %8s   %s\n", "", "Quorvane", "minimal", "ratio", "goal");
  PrintRow("time from start to tray icon (ms)", median(0, &Sample::iconMs), median(1, &Sample::iconMs),
           "ratio <= 1.15");
  char memoryGoal[64];
  std::snprintf(memoryGoal, sizeof(memoryGoal), "within 1.5 MB (difference %+.2f MB)",
                median(0, &Sample::privateMb) - median(1, &Sample::privateMb));
  PrintRow("private memory 5 s after icon (MB)", median(0, &Sample::privateMb), median(1, &Sample::privateMb),
           memoryGoal);
  PrintRow("wake-ups while hidden, 2-12 s", median(0, &Sample::wakeUps), median(1, &Sample::wakeUps), "0");
  PrintRow("CPU time while hidden, 2-12 s (ms)", median(0, &Sample::cpuMs), median(1, &Sample::cpuMs), "0");
  PrintRow("program file size (KB)", FileKb(programs[0]), FileKb(programs[1]), "");
  return 0;
}
