// What a user with a screen reader, with the keyboard alone, in high
// contrast or with large text gets: the names of the fields and of the
// calendar's day, the keys of 用药记录 and Esc in every window, every window
// inside the work area at 96, 144 and 192 DPI (CTest runs Fitting once per
// DPI), and no fixed colour left under high contrast.
#include <oleacc.h>

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "driver.h"

namespace e2e {
namespace {

// mingw's liboleacc.a gives IID_IAccessible as an import thunk, not the GUID.
constexpr GUID kIAccessible = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

// What a screen reader reads as the name of the window's client area.
std::string AccessibleName(HWND window) {
  static const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  IAccessible* accessible = nullptr;
  if (FAILED(com) || FAILED(AccessibleObjectFromWindow(window, OBJID_CLIENT, kIAccessible,
                                                       reinterpret_cast<void**>(&accessible))))
    throw std::runtime_error("no IAccessible");
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  const HRESULT result = accessible->get_accName(self, &name);
  accessible->Release();
  const std::string text = SUCCEEDED(result) && name ? Utf8(name) : "";  // read after the call
  SysFreeString(name);
  return text;
}

// The windows whose name changed, as a screen reader hears of it.
std::vector<HWND> g_renamed;

class NameChanges {
 public:
  explicit NameChanges(HWND programWindow) {
    DWORD process = 0;
    GetWindowThreadProcessId(programWindow, &process);
    g_renamed.clear();
    hook_ = SetWinEventHook(EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr, &Heard, process, 0,
                            WINEVENT_OUTOFCONTEXT);
  }
  ~NameChanges() { UnhookWinEvent(hook_); }
  void Forget() { g_renamed.clear(); }
  void WaitFor(HWND window) const {
    e2e::WaitFor(
        [&] {
          MSG message;  // the events come as this thread takes its messages
          while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
          return std::find(g_renamed.begin(), g_renamed.end(), window) != g_renamed.end();
        },
        "a name change of window " + Text(window));
  }

 private:
  static void CALLBACK Heard(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD, DWORD) {
    if (object == OBJID_CLIENT && child == CHILDID_SELF) g_renamed.push_back(window);
  }
  HWINEVENTHOOK hook_;
};

RECT ScreenRect(HWND window, bool client) {
  RECT rect{};
  if (!client) return GetWindowRect(window, &rect), rect;
  GetClientRect(window, &rect);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

bool Inside(const RECT& inner, const RECT& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

// The colours on screen in the client area of `window`, with the number of
// pixels of each, leaving out `skip` (client pixels).
std::map<COLORREF, int> ScreenColours(HWND window, RECT skip = {}) {
  const RECT area = ScreenRect(window, true);
  const int width = area.right - area.left, height = area.bottom - area.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB}};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  const HGDIOBJ before = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
  std::map<COLORREF, int> colours;
  const auto* pixels = static_cast<const DWORD*>(bits);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if (!PtInRect(&skip, {x, y})) {
        const DWORD pixel = pixels[y * width + x];
        ++colours[RGB(pixel >> 16 & 255, pixel >> 8 & 255, pixel & 255)];
      }
  SelectObject(memory, before);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return colours;
}

int Dpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi;
}

// The first day of last month, with the days of that month: all of it is past.
struct Month {
  int year, month, days, firstWeekday;  // 0 for Sunday
};
Month LastMonth() {
  SYSTEMTIME day{};
  GetLocalTime(&day);
  day.wDay = 1;
  FILETIME time{};
  SystemTimeToFileTime(&day, &time);
  ULARGE_INTEGER ticks{{time.dwLowDateTime, time.dwHighDateTime}};
  ticks.QuadPart -= 24ull * 3600 * 10'000'000;  // the last day of last month
  time = {ticks.LowPart, ticks.HighPart};
  FileTimeToSystemTime(&time, &day);
  const int last = day.wDay, lastWeekday = day.wDayOfWeek;
  return {day.wYear, day.wMonth, last, ((lastWeekday - (last - 1)) % 7 + 7) % 7};
}

std::string Weekday(int fromSunday) {
  static const char* const kNames[] = {"日", "一", "二", "三", "四", "五", "六"};
  return std::string("星期") + kNames[fromSunday % 7];
}

std::string IsoDate(const Month& month, int day) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", month.year, month.month, day);
  return text;
}

fs::path DiaryFile() { return fs::path(_wgetenv(L"APPDATA")) / L"Quorvane" / L"doselog.csv"; }

// The program with its main window, and 用药记录 opened from the tray.
class Accessibility : public testing::Test {
 protected:
  void Start(const std::string& record) {
    fs::remove_all(DiaryFile().parent_path());
    SetUserValue(kRecordKey, record);
    q.Start();
    main = q.WaitForMain();
  }
  HWND OpenDiary() {
    HWND diary = nullptr;
    q.Choose(WM_LBUTTONUP, "用药记录", [&] {
      diary = q.Window(L"QuorvaneDiaryWindow");
      return diary && GetForegroundWindow() == diary && Focus(diary) == Control(diary, ids::kDiaryCalendar);
    });
    return diary;
  }
  Quorvane q;
  HWND main = nullptr;
};

TEST_F(Accessibility, EachFieldIsNamedByItsOwnLabel) {
  Start("强的松|2006-05-22|6|2|0");
  EXPECT_EQ(AccessibleName(Control(main, ids::kDrugName)), "药名");
  EXPECT_EQ(AccessibleName(Control(main, ids::kStartDate)), "开始日期");
  EXPECT_EQ(AccessibleName(Control(main, ids::kDose)), "用量");
  EXPECT_EQ(AccessibleName(Control(OpenDiary(), ids::kDiaryNote)), "备注(O)");
}

TEST_F(Accessibility, TheCalendarIsNamedByItsSelectedDayAndSaysSoOnEachKey) {
  const Month month = LastMonth();
  Start("强的松|" + IsoDate(month, 1) + "|6|2|0");  // the 1st of last month is day 0
  const HWND diary = OpenDiary();
  const HWND calendar = Control(diary, ids::kDiaryCalendar);
  const NameChanges changes(diary);
  const std::string monthDay = std::to_string(month.month) + "月";
  const std::pair<UINT, std::string> steps[] = {
      {VK_PRIOR, ""},  // last month, on the same day or its last
      {VK_HOME, monthDay + "1日 " + Weekday(month.firstWeekday) + "：服药日，未记录"},
      {VK_RIGHT, monthDay + "2日 " + Weekday(month.firstWeekday + 1) + "：非服药日，未记录"},
      {VK_END,
       monthDay + std::to_string(month.days) + "日 " + Weekday(month.firstWeekday + month.days - 1) + "："}};
  for (const auto& [key, name] : steps) {
    SCOPED_TRACE(name);
    const std::string before = AccessibleName(calendar);
    PostKey(calendar, key);
    WaitFor([&] { return AccessibleName(calendar) != before; }, "a new name after a key");
    EXPECT_TRUE(AccessibleName(calendar).starts_with(name)) << AccessibleName(calendar);
    EXPECT_EQ(AccessibleName(calendar), Text(diary, ids::kDiaryDay));  // in the words of the line under it
    changes.WaitFor(calendar);
  }
}

TEST_F(Accessibility, ANewTipIsAnnouncedAfterItsHeading) {
  WriteBytes(q.File("TIPOFDAY.TXT"), Gbk("按时服药。\r\n注意休息。\r\n"));
  Start("强的松|2006-05-22|6|2|1");
  const HWND tips = q.WaitForWindow(L"QuorvaneTipWindow");
  const HWND text = Control(tips, ids::kTipText);
  EXPECT_EQ(GetWindow(text, GW_HWNDPREV), Control(tips, ids::kTipHeading));
  const NameChanges changes(tips);
  Click(tips, ids::kNextTip);
  changes.WaitFor(text);
}

TEST_F(Accessibility, TheDiaryGoesByKeysInTheOrderItIsRead) {
  Start("强的松|2006-05-22|6|2|0");
  const HWND diary = OpenDiary();
  for (const int id :
       {ids::kDiaryNote, ids::kDiaryTaken, ids::kDiaryMissed, ids::kDiaryClear, ids::kDiaryExport,
        ids::kDiaryPreviousMonth, ids::kDiaryNextMonth, ids::kDiaryCalendar}) {
    PostKey(Focus(diary), VK_TAB);
    WaitFor([&] { return Focus(diary) == Control(diary, id); }, "Tab to control " + std::to_string(id));
  }
  PostAltKey(Focus(diary), L'o');
  WaitFor([&] { return Focus(diary) == Control(diary, ids::kDiaryNote); }, "Alt+O to the note");
  // The day's line tells when the file is written: reading it meanwhile
  // could keep the program from replacing it.
  const auto logged = [&](const char* words) {
    return Text(diary, ids::kDiaryDay).find(words) != std::string::npos;
  };
  PostAltKey(Focus(diary), L't');
  WaitFor([&] { return logged("已服"); }, "Alt+T to log the day as taken");
  PostAltKey(Focus(diary), L'c');
  WaitFor([&] { return logged("未记录"); }, "Alt+C to clear the day");
  EXPECT_EQ(ReadBytes(DiaryFile()).value_or("").find(",taken,"), std::string::npos);
}

TEST_F(Accessibility, EscClosesEveryWindowAsItsCloseBoxDoes) {
  WriteBytes(q.File("TIPOFDAY.TXT"), Gbk("按时服药。\r\n"));
  Start("强的松|2006-05-22|6|2|1");
  const HWND tips = q.WaitForWindow(L"QuorvaneTipWindow");
  PostKey(Control(tips, IDOK), VK_ESCAPE);
  WaitFor([&] { return !IsWindow(tips); }, "Esc to close 日积月累");
  const HWND diary = OpenDiary();
  PostKey(Focus(diary), VK_ESCAPE);
  WaitFor([&] { return !IsWindow(diary); }, "Esc to close 用药记录");
  HWND options = nullptr;
  q.Choose(WM_RBUTTONUP, "找病友", [&] { return (options = q.Window(L"QuorvaneOptionsWindow")); });
  PostKey(Control(options, ids::kOptionsOk), VK_ESCAPE);
  WaitFor([&] { return !IsWindowVisible(options); }, "Esc to close 找病友");
  q.Choose(WM_LBUTTONUP, "基本设置", [&] { return GetForegroundWindow() == main; });
  PostKey(Focus(main), VK_ESCAPE);
  WaitFor([&] { return !IsWindowVisible(main); }, "Esc to hide the main window");
  EXPECT_FALSE(q.Ended());
  EXPECT_EQ(TrayIcons().size(), 1u);
}

// A black and yellow high-contrast scheme with Wine's theme off, for the
// programs started while it lives; the colours before come back after.
class HighContrastScheme {
 public:
  HighContrastScheme() {
    for (const auto& [name, value] : kScheme) Set(kColours, name, value);
    Set(kThemes, L"ThemeActive", L"0");
  }
  ~HighContrastScheme() {
    for (const auto& [key, name, value] : saved_) {
      if (value)
        RegSetKeyValueW(HKEY_CURRENT_USER, key, name, REG_SZ, value->c_str(), (value->size() + 1) * 2);
      else
        RegDeleteKeyValueW(HKEY_CURRENT_USER, key, name);
    }
  }

 private:
  static constexpr wchar_t kColours[] = L"Control Panel\\Colors";
  static constexpr wchar_t kThemes[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager";
  static constexpr std::pair<const wchar_t*, const wchar_t*> kScheme[] = {
      {L"Window", L"0 0 0"},         {L"WindowText", L"255 255 0"},    {L"GrayText", L"0 255 255"},
      {L"Hilight", L"0 0 255"},      {L"HilightText", L"255 255 0"},   {L"ButtonFace", L"0 0 0"},
      {L"ButtonText", L"255 255 0"}, {L"ButtonShadow", L"128 128 128"}};
  void Set(const wchar_t* key, const wchar_t* name, const std::wstring& value) {
    wchar_t before[64];
    DWORD size = sizeof before;
    const bool had = !RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ, nullptr, before, &size);
    saved_.emplace_back(key, name, had ? std::optional<std::wstring>(before) : std::nullopt);
    RegSetKeyValueW(HKEY_CURRENT_USER, key, name, REG_SZ, value.c_str(), (value.size() + 1) * 2);
  }
  std::vector<std::tuple<const wchar_t*, const wchar_t*, std::optional<std::wstring>>> saved_;
};

// Pixels in the scheme's text colour, yellow, or a shade of it where
// letters are smoothed onto the black.
int YellowShades(const std::map<COLORREF, int>& colours) {
  int count = 0;
  for (const auto& [colour, pixels] : colours)
    if (GetRValue(colour) > 0 && GetRValue(colour) == GetGValue(colour) && GetBValue(colour) == 0)
      count += pixels;
  return count;
}
// The program's own colours: the tip panel's white, 已服's green, 漏服's red.
constexpr COLORREF kFixed[] = {RGB(255, 255, 255), RGB(0, 128, 0), RGB(192, 0, 0)};

bool HasFixedColours(const std::map<COLORREF, int>& colours) {
  return std::any_of(std::begin(kFixed), std::end(kFixed), [&](COLORREF c) { return colours.contains(c); });
}

TEST_F(Accessibility, HighContrastLeavesNoFixedColourInTheTipPanelOrTheCalendar) {
  const HighContrastScheme scheme;
  const Month month = LastMonth();
  WriteBytes(q.File("TIPOFDAY.TXT"), Gbk("按时服药。\r\n"));
  Start("强的松|" + IsoDate(month, 1) + "|6|2|1");  // the 1st and the 3rd of last month are dose days
  fs::create_directories(DiaryFile().parent_path());
  const std::string first = IsoDate(month, 1), third = IsoDate(month, 3);
  WriteBytes(DiaryFile(), "\uFEFFdate,status,drug,dose,note,logged_at\r\n" + first + ",taken,强的松,6,," +
                              first + "T08:00:00\r\n" + third + ",missed,强的松,6,," + third +
                              "T20:00:00\r\n");
  const HWND tips = q.WaitForWindow(L"QuorvaneTipWindow");
  const HWND panel = Control(tips, ids::kTipPicture);
  SetForegroundWindow(tips);
  WaitFor([&] { return GetForegroundWindow() == tips; }, "日积月累 in front");
  // The light bulb is a picture, drawn as it is: left out, up to the heading.
  RECT heading = ScreenRect(Control(tips, ids::kTipHeading), false);
  MapWindowPoints(nullptr, panel, reinterpret_cast<POINT*>(&heading), 2);
  const RECT bulb{0, 0, heading.left,
                  ScreenRect(Control(tips, ids::kTipText), false).top - ScreenRect(panel, true).top};
  WaitFor([&] { return ScreenColours(panel, bulb).contains(RGB(255, 255, 255)); },
          "the white panel before high contrast is on");

  q.ReportHighContrast();
  WaitFor(
      [&] {
        const auto colours = ScreenColours(panel, bulb);
        return !HasFixedColours(colours) && YellowShades(colours) > 20;  // the tip in the text colour
      },
      "the tip panel in system colours");
  EXPECT_FALSE(HasFixedColours(ScreenColours(panel, bulb)));

  const HWND diary = OpenDiary();
  const HWND calendar = Control(diary, ids::kDiaryCalendar);
  PostKey(calendar, VK_PRIOR);  // last month: 已服 on the 1st, 漏服 on the 3rd
  WaitFor([&] { return Text(diary, ids::kDiarySummary).find("已服 1 天，漏服 1 天") != std::string::npos; },
          "last month's summary");
  WaitFor([&] { return YellowShades(ScreenColours(calendar)) > 100; }, "the calendar drawn");
  EXPECT_FALSE(HasFixedColours(ScreenColours(calendar)));
}

// Run once per DPI (96, 144, 192) on a 1280 by 800 screen.
TEST(Fitting, EveryWindowAndEachOfItsControlsLiesInsideTheWorkArea) {
  wchar_t expected[8] = L"96";
  GetEnvironmentVariableW(L"QUORVANE_E2E_DPI", expected, 8);
  ASSERT_EQ(Dpi(), _wtoi(expected)) << "the prefix's DPI";
  ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 1280);
  ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), 800);
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);

  SetUserValue(kRecordKey, "强的松|2006-05-22|6|2|1");
  Quorvane q;
  WriteBytes(q.File("TIPOFDAY.TXT"), Gbk("按时服药。\r\n"));
  q.Start();
  const HWND main = q.WaitForMain(), tips = q.WaitForWindow(L"QuorvaneTipWindow");
  // The light bulb is drawn at the DPI's size: 84 bright cyan pixels of its
  // outline at 96 DPI, four times as many at 192.
  const HWND panel = Control(tips, ids::kTipPicture);
  const int scale = Dpi() * Dpi();
  int cyan = 0;
  WaitFor([&] { return (cyan = ScreenColours(panel)[RGB(0, 255, 255)]) > 0; }, "the light bulb");
  EXPECT_GT(cyan, 84 * scale * 3 / (96 * 96 * 4));
  EXPECT_LT(cyan, 84 * scale * 5 / (96 * 96 * 4));

  HWND diary = nullptr, options = nullptr;
  q.Choose(WM_LBUTTONUP, "用药记录", [&] { return (diary = q.Window(L"QuorvaneDiaryWindow")); });
  q.Choose(WM_RBUTTONUP, "找病友", [&] { return (options = q.Window(L"QuorvaneOptionsWindow")); });
  // The option pages lie left of the dialog by design and are never shown.
  const std::set<int> pages = {ids::kOptionsPage1, ids::kOptionsPage2, ids::kOptionsPage3};
  for (const HWND window : {main, tips, diary, options}) {
    SCOPED_TRACE(Text(window));
    EXPECT_TRUE(Inside(ScreenRect(window, false), work));
    const RECT client = ScreenRect(window, true);
    int controls = 0;
    for (HWND child = nullptr; (child = FindWindowExW(window, child, nullptr, nullptr));) {
      const auto check = [&](HWND control) {
        ++controls;
        EXPECT_TRUE(Inside(ScreenRect(control, false), client)) << Text(control);
      };
      if (pages.contains(GetDlgCtrlID(child))) continue;
      check(child);
      for (HWND inner = nullptr; (inner = FindWindowExW(child, inner, nullptr, nullptr));) check(inner);
    }
    EXPECT_GT(controls, 2);
  }
}

}  // namespace
}  // namespace e2e
