// What a user with a screen reader, the keyboard alone, high contrast or
// large text gets. CTest runs the fitting test at 96, 144 and 192 DPI.
#include <oleacc.h>

#include <gtest/gtest.h>

#include <map>

#include "driver.h"

namespace e2e {
namespace {

// What a screen reader reads as the name of the window's client area.
std::string AccessibleName(HWND window) {
  // mingw's liboleacc.a gives IID_IAccessible as an import thunk, not the GUID.
  static const GUID iid = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
  static const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  IAccessible* object = nullptr;
  if (FAILED(com) || FAILED(AccessibleObjectFromWindow(window, OBJID_CLIENT, iid, (void**)&object)))
    throw std::runtime_error("no IAccessible");
  VARIANT self{};
  self.vt = VT_I4;  // CHILDID_SELF
  BSTR name = nullptr;
  object->get_accName(self, &name);
  object->Release();
  const std::string text = name ? Utf8(name) : "";  // read after the call
  SysFreeString(name);
  return text;
}

// Waits for `window` to tell screen readers of a new name since the last wait.
std::vector<HWND> g_renamed;
void WaitForNameChange(HWND window) {
  WaitFor(
      [&] {
        MSG message;  // the events come as this thread takes its messages
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        return std::erase(g_renamed, window) > 0;
      },
      "a name change of " + Text(window));
}

RECT ClientOnScreen(HWND window) {
  RECT rect{};
  GetClientRect(window, &rect);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

// The colours on screen in the client area of `window`, with the number of
// pixels of each; without the top-left square of `skip` pixels.
std::map<COLORREF, int> ScreenColours(HWND window, int skip = 0) {
  const RECT area = ClientOnScreen(window);
  const int width = area.right - area.left, height = area.bottom - area.top;
  HDC screen = GetDC(nullptr), memory = CreateCompatibleDC(screen);
  BITMAPINFO info{{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB}};
  DWORD* pixels = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, (void**)&pixels, nullptr, 0);
  const HGDIOBJ before = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
  std::map<COLORREF, int> colours;
  for (int i = 0; i < width * height; ++i)
    if (i % width >= skip || i / width >= skip) ++colours[RGB(pixels[i] >> 16, pixels[i] >> 8, pixels[i])];
  DeleteObject(SelectObject(memory, before));
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return colours;
}

// The program with a dose day on the 1st of last month, and its tip window.
class Accessibility : public testing::Test {
 protected:
  void SetUp() override {
    static const HWINEVENTHOOK listening = SetWinEventHook(
        EVENT_OBJECT_NAMECHANGE, EVENT_OBJECT_NAMECHANGE, nullptr,
        [](HWINEVENTHOOK, DWORD, HWND window, LONG, LONG, DWORD, DWORD) { g_renamed.push_back(window); }, 0,
        0, WINEVENT_OUTOFCONTEXT);
    ASSERT_TRUE(listening);
    const int day = std::stoi(Day(0, L"d"));  // the last of last month was `day` days ago
    lastMonth = Day(-day, L"M月"), lastMonthDate = Day(-day, L"yyyy-MM-");
    WriteBytes(q.File("TIPOFDAY.TXT"), Gbk("按时服药。\r\n注意休息。\r\n"));
    SetUserValue(kRecordKey, "强的松|" + lastMonthDate + "01|6|2|1");
    q.Start();
    main = q.WaitForMain();
    tips = q.WaitForWindow(L"QuorvaneTipWindow");
  }
  std::string lastMonth, lastMonthDate;  // "11月", "2026-11-"
  Quorvane q;
  HWND main = nullptr, tips = nullptr;
};

TEST_F(Accessibility, AScreenReaderHearsEachFieldsLabelTheCalendarsDayAndANewTip) {
  EXPECT_EQ(AccessibleName(Control(main, main_window::kDrugNameBox)), "药名");
  EXPECT_EQ(AccessibleName(Control(main, main_window::kStartDateBox)), "开始日期");
  EXPECT_EQ(AccessibleName(Control(main, main_window::kDoseBox)), "用量");
  const HWND tip = Control(tips, tip_window::kTipText);
  EXPECT_EQ(GetWindow(tip, GW_HWNDPREV), Control(tips, tip_window::kHeading));  // read after "您知道吗..."
  Click(tips, tip_window::kNextTipButton);
  WaitForNameChange(tip);

  const HWND diary = q.OpenDiary(), calendar = Control(diary, diary_window::kCalendar);
  EXPECT_EQ(AccessibleName(Control(diary, diary_window::kNoteBox)), "备注(O)");
  const std::tuple<UINT, std::string, std::string> steps[] = {
      {VK_PRIOR, lastMonth, ""},
      {VK_HOME, lastMonth + "1日 ", "：服药日，未记录"},
      {VK_RIGHT, lastMonth + "2日 ", "：非服药日，未记录"}};
  for (const auto& [key, start, end] : steps) {
    PostKey(calendar, key);
    WaitForNameChange(calendar);
    const std::string name = AccessibleName(calendar);
    EXPECT_TRUE(name.starts_with(start) && name.ends_with(end)) << name;
    EXPECT_EQ(name, Text(diary, diary_window::kDay));  // in the words of the line under it
  }
}

// Esc closes 用药记录 and 找病友 as they always did (Diary, Tray).
TEST_F(Accessibility, TheKeyboardGoesThroughTheDiaryInReadingOrderAndEscClosesEachWindow) {
  PostKey(Control(tips, IDOK), VK_ESCAPE);
  WaitFor([&] { return !IsWindow(tips); }, "Esc to close 日积月累");
  const HWND diary = q.OpenDiary();
  WaitFor([&] { return Focus(diary) == Control(diary, diary_window::kCalendar); }, "the calendar focused");
  for (const int id :
       {diary_window::kNoteBox, diary_window::kTakenButton, diary_window::kMissedButton,
        diary_window::kClearButton, diary_window::kExportButton, diary_window::kSelfCheckButton,
        diary_window::kVisitSummaryButton, diary_window::kPreviousMonthButton, diary_window::kNextMonthButton,
        diary_window::kCalendar}) {
    PostKey(Focus(diary), VK_TAB);
    WaitFor([&] { return Focus(diary) == Control(diary, id); }, "Tab to control " + std::to_string(id));
  }
  // The day's line says when the file is written: reading the file meanwhile
  // could keep the program from replacing it.
  const std::pair<wchar_t, const char*> keys[] = {{L'o', ""}, {L't', "已服"}, {L'c', "未记录"}};
  for (const auto& [key, line] : keys) {
    PostMessageW(Focus(diary), WM_SYSCHAR, key, 1 << 29 | 1);  // with Alt down
    WaitFor(
        [&] {
          return *line ? Text(diary, diary_window::kDay).find(line) != std::string::npos
                       : Focus(diary) == Control(diary, diary_window::kNoteBox);
        },
        "Alt+" + std::string(1, static_cast<char>(key)));
  }
  EXPECT_EQ(ReadBytes(RecordFolder() / L"doselog.csv").value_or("").find(",taken,"), std::string::npos);
  q.Choose(WM_LBUTTONUP, "基本设置", [&] { return GetForegroundWindow() == main; });
  PostKey(Focus(main), VK_ESCAPE);
  WaitFor([&] { return !IsWindowVisible(main); }, "Esc to hide the main window");
  EXPECT_EQ(TrayIcons().size(), 1u);
}

// A black and yellow scheme with Wine's theme off, which the program reads
// as it starts; the values before come back after.
class HighContrast : public Accessibility {
 protected:
  void SetUp() override {
    for (const auto& [key, name, value] : kScheme)
      saved_.push_back(UserValue(key, name)), SetUserValue(key, value, name);
    Accessibility::SetUp();
  }
  void TearDown() override {
    for (size_t i = 0; i < saved_.size(); ++i)
      SetUserValue(std::get<0>(kScheme[i]), saved_[i], std::get<1>(kScheme[i]));
  }
  static constexpr std::tuple<const wchar_t*, const wchar_t*, const char*> kScheme[] = {
      {L"Control Panel\\Colors", L"Window", "0 0 0"},
      {L"Control Panel\\Colors", L"WindowText", "255 255 0"},
      {L"Control Panel\\Colors", L"GrayText", "0 255 255"},
      {L"Control Panel\\Colors", L"Hilight", "0 0 255"},
      {L"Control Panel\\Colors", L"HilightText", "255 255 0"},
      {L"Software\\Microsoft\\Windows\\CurrentVersion\\ThemeManager", L"ThemeActive", "0"}};
  std::vector<std::optional<std::string>> saved_;
};

// The tip panel's white, 已服's green, 漏服's red; and the scheme's text,
// yellow or a shade of it where letters are smoothed onto black.
int FixedColours(const std::map<COLORREF, int>& colours) {
  return colours.contains(RGB(255, 255, 255)) + colours.contains(RGB(0, 128, 0)) +
         colours.contains(RGB(192, 0, 0));
}
int Yellow(const std::map<COLORREF, int>& colours) {
  int pixels = 0;
  for (const auto& [c, n] : colours)
    pixels += GetRValue(c) && GetRValue(c) == GetGValue(c) && !GetBValue(c) ? n : 0;
  return pixels;
}

TEST_F(HighContrast, LeavesNoFixedColourInTheTipPanelOrTheCalendar) {
  const std::string first = lastMonthDate + "01", third = lastMonthDate + "03";
  WriteBytes(RecordFolder() / L"doselog.csv", kDiaryHeader + first + ",taken,强的松,6,," + first +
                                                  "T08:00:00\r\n" + third + ",missed,强的松,6,," + third +
                                                  "T20:00:00\r\n");
  const HWND panel = Control(tips, tip_window::kPanel);  // less the light bulb, a picture drawn as it is
  SetForegroundWindow(tips);
  WaitFor([&] { return FixedColours(ScreenColours(panel, 36)) == 1; },
          "the white panel before high contrast");
  q.ReportHighContrast();
  WaitFor([&] { return !FixedColours(ScreenColours(panel, 36)) && Yellow(ScreenColours(panel, 36)) > 20; },
          "the tip panel in the scheme's colours");
  const HWND diary = q.OpenDiary(), calendar = Control(diary, diary_window::kCalendar);
  PostKey(calendar, VK_PRIOR);  // last month: 已服 on the 1st, 漏服 on the 3rd
  WaitFor(
      [&] { return Text(diary, diary_window::kSummary).find("已服 1 天，漏服 1 天") != std::string::npos; },
      "last month's summary");
  WaitFor([&] { return Yellow(ScreenColours(calendar)) > 100; }, "the calendar drawn");
  EXPECT_EQ(FixedColours(ScreenColours(calendar)), 0);
  const HWND trend = Control(diary, diary_window::kTrendChart);  // its frame and numbers
  WaitFor([&] { return Yellow(ScreenColours(trend)) > 100; }, "the trend drawn");
  EXPECT_EQ(FixedColours(ScreenColours(trend)), 0);
}

// At the DPI the test is run at (CTest: 96, 144, 192) on a 1280 by 800 screen.
TEST_F(Accessibility, EveryWindowAndEachOfItsControlsLiesInsideTheWorkArea) {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  wchar_t expected[8] = L"96";
  GetEnvironmentVariableW(L"QUORVANE_E2E_DPI", expected, 8);
  ASSERT_EQ(dpi, _wtoi(expected)) << "the prefix's DPI";
  ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN) * 1000 + GetSystemMetrics(SM_CYSCREEN), 1280'800);
  // The light bulb at the DPI's size: 84 bright cyan pixels at 96 DPI.
  int cyan = 0;
  WaitFor([&] { return (cyan = ScreenColours(Control(tips, tip_window::kPanel))[RGB(0, 255, 255)]) > 0; },
          "the bulb");
  EXPECT_NEAR(cyan, 84 * dpi * dpi / (96 * 96), 21 * dpi * dpi / (96 * 96));

  HWND options = nullptr;
  const HWND diary = q.OpenDiary();
  Click(diary, diary_window::kSelfCheckButton);
  const HWND selfCheck = q.WaitForWindow(L"QuorvaneSelfCheckWindow");
  Click(diary, diary_window::kVisitSummaryButton);
  const HWND summary = q.WaitForWindow(L"QuorvaneSummaryWindow");
  q.Choose(WM_RBUTTONUP, "找病友", [&] { return (options = q.Window(L"QuorvaneOptionsWindow")); });
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const auto inside = [](HWND window, const RECT& area) {
    RECT rect{}, both{};
    GetWindowRect(window, &rect);
    return IntersectRect(&both, &rect, &area) && EqualRect(&both, &rect);
  };
  for (const HWND window : {main, tips, diary, options, selfCheck, summary}) {
    EXPECT_TRUE(inside(window, work)) << Text(window);
    for (HWND child = nullptr; (child = FindWindowExW(window, child, nullptr, nullptr));) {
      const int id = GetDlgCtrlID(child);
      if (id >= options_dialog::kPage1 && id <= options_dialog::kPage3) continue;  // off the dialog by design
      EXPECT_TRUE(inside(child, ClientOnScreen(window))) << Text(window) << " " << id;
      for (HWND inner = nullptr; (inner = FindWindowExW(child, inner, nullptr, nullptr));)
        EXPECT_TRUE(inside(inner, ClientOnScreen(window))) << Text(inner);
    }
  }
}

}  // namespace
}  // namespace e2e
