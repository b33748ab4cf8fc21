// Drives the real Quorvane.exe under Wine: starts it from a fresh folder,
// finds its windows, reads and presses its controls, chooses from its tray
// menus, and looks at what it leaves in the registry and on disk.
#pragma once

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/main_window_definition.h"
#include "diary/diary_window_definition.h"
#include "options/options_dialog_definition.h"
#include "summary/summary_window_definition.h"
#include "tips/tip_window_definition.h"
#include "tray/tray_message.h"

namespace e2e {

namespace fs = std::filesystem;
namespace main_window = quorvane::main_window;
namespace tip_window = quorvane::tip_window;
namespace options_dialog = quorvane::options_dialog;
namespace diary_window = quorvane::diary_window;
namespace summary_window = quorvane::summary_window;
using namespace std::chrono_literals;

// Long enough for a slow machine; a healthy run needs a fraction of it.
inline constexpr std::chrono::milliseconds kPatience = 10s;

// Polls `done` until it holds; throws, naming `what`, after `limit`.
void WaitFor(const std::function<bool()>& done, const std::string& what,
             std::chrono::milliseconds limit = kPatience);

std::string Utf8(const std::wstring& text);
std::wstring Wide(const std::string& utf8);
std::string Gbk(const std::string& utf8);  // code page 936, as a Chinese system stores plain text

std::optional<std::string> ReadBytes(const fs::path& file);
void WriteBytes(const fs::path& file, const std::string& bytes);
// Another program's handle on a file, with the sharing it allows others.
std::shared_ptr<void> HoldFile(const fs::path& file, DWORD access, DWORD sharing);
// %APPDATA%\Quorvane, where the diary, the self-checks and the settings live.
fs::path RecordFolder();
// The user's Documents folder in the prefix, the program's as well.
fs::path Documents();
// The local date `offset` days from today (before it when negative), as the files write it or in `format`.
std::string Day(int offset, const wchar_t* format = L"yyyy-MM-dd");
// The headers of doselog.csv and selfcheck.csv, and a diary row: taken or missed, no note.
inline const std::string kDiaryHeader = "\uFEFFdate,status,drug,dose,note,logged_at\r\n";
inline const std::string kSelfCheckHeader =
    "\uFEFFdate,talking,chewing,swallowing,breathing,grooming,rising,double_vision,eyelid_droop,total,note,"
    "logged_at\r\n";
std::string DiaryRow(int offset, const std::string& status);
// A built guide document or other generated asset, as the build made it.
fs::path Asset(const std::string& name);

// HKCU\Software "Quorvane" (the record) and the logon entry under Run.
inline constexpr wchar_t kRecordKey[] = L"Software";
inline constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
std::optional<std::string> UserValue(const wchar_t* key, const wchar_t* name = L"Quorvane");
void SetUserValue(const wchar_t* key, const std::optional<std::string>& text,
                  const wchar_t* name = L"Quorvane");

std::string Text(HWND window);
HWND Control(HWND parent, int id);
std::string Text(HWND parent, int id);
int CheckState(HWND parent, int id);
void SetText(HWND parent, int id, const std::string& text);
// Posted: a button may open a modal box, which would hold a sent message.
void Click(HWND parent, int id);
void PostKey(HWND window, UINT virtualKey);
// The control with the keyboard focus in the thread of `window`, or null.
HWND Focus(HWND window);
LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
std::vector<HWND> TrayIcons();               // the visible icons' windows in Wine's tray
bool BalloonShows(const std::string& text);  // a balloon or tooltip at a tray icon shows it now
// What the program asked the shell to open, from the prefix's recorder.
std::vector<std::string> ShellLog();

// The development key's signature of `bytes`, made by openssl as
// scripts/publish-tips.sh makes one. A build with a publisher's key has none.
bool HaveDevelopmentKey();
std::string SignedByDevelopmentKey(const std::string& bytes);

// Stands in for the tips server: the program, started while it lives,
// reaches it as its proxy. The test takes each request and replies to it.
class HttpServer {
 public:
  HttpServer();
  ~HttpServer();
  std::string Take();  // the next request's first line; waits for it
  // A Content-Length larger than the body makes a body cut off.
  void Reply(int status, const std::string& body, size_t announcedLength = 0);
  void Refuse();  // closes the listener: connections are refused from now on

 private:
  uintptr_t listener_, client_ = ~uintptr_t{0};
};

// One copy of the program in "C:\Program Files\Quorvane Test <n>".
class Quorvane {
 public:
  Quorvane();
  ~Quorvane();
  fs::path File(const std::string& name) const { return folder_ / Wide(name); }

  void Start();
  // Starts with a record that brings no reminder and no tip window; the main window.
  HWND StartQuiet();
  // One more copy from the same folder; it is ended by force when let go.
  std::shared_ptr<void> StartCopy() const;
  bool Ended() const;
  void WaitForEnd() const;

  // A visible top-level window of the program now, or null; or waiting for one.
  HWND Window(const wchar_t* className) const;
  HWND WaitForWindow(const wchar_t* className) const;
  HWND Box() const { return Window(L"#32770"); }
  std::string AnswerBox() const;  // waits for a message box, presses OK, returns its text
  // The main window once start-up is through; fails if a box came first.
  HWND WaitForMain();
  // 用药记录 from the left menu, in front.
  HWND OpenDiary();
  // The main window's boxes and check boxes as "name|date|dose|0|1|2".
  std::string Fields() const;

  // One callback as the shell sends it at version 4: the event in the low
  // word of lParam, the pointer (for a key, the icon) in wParam.
  void PostTray(UINT event, POINT at = {}) const {
    PostMessageW(main_, quorvane::kTrayCallbackMessage, MAKEWPARAM(at.x, at.y), event);
  }
  // Makes the program see high contrast turned on, as Windows tells it:
  // SPI_GETHIGHCONTRAST says so, and each window gets WM_SETTINGCHANGE and
  // WM_SYSCOLORCHANGE. (Wine itself always reports it off.)
  void ReportHighContrast();
  // Opens a menu as the user does: a click (WM_LBUTTONUP, WM_RBUTTONUP) with
  // all that Wine's tray sends for it, the pointer in the bottom right
  // corner; or a key (NIN_KEYSELECT, WM_CONTEXTMENU) on the icon at `at`.
  HWND OpenMenu(UINT action, std::vector<std::string>& items, POINT at = {});
  // Opens the menu and chooses the item by keys until `effect` is seen.
  void Choose(UINT action, const std::string& caption, const std::function<bool()>& effect, POINT at = {});
  // What the program asked of the shell since the last call, such as
  // "NIM_SETFOCUS", once there are `count` requests.
  std::vector<std::string> TakeTrayLog(size_t count = 0);

 private:
  void Hook();  // quorvane_menuhook.dll into the program's window thread
  std::pair<std::vector<std::string>, int> ReadMenu(HWND menu) const;  // captions, selected item
  fs::path folder_;
  std::shared_ptr<void> process_;
  DWORD pid_ = 0;
  HWND main_ = nullptr;
  HANDLE menuMapping_ = nullptr;
  volatile wchar_t* menuView_ = nullptr;
};

}  // namespace e2e
