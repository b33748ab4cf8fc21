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

#include "ui/control_ids.h"

namespace e2e {

namespace fs = std::filesystem;
namespace ids = quorvane::ids;
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
// A built guide document or other generated asset, as the build made it.
fs::path Asset(const std::string& name);

// HKCU\Software "Quorvane" (the record) and the logon entry under Run.
inline constexpr wchar_t kRecordKey[] = L"Software";
inline constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
std::optional<std::string> UserValue(const wchar_t* key);
void SetUserValue(const wchar_t* key, const std::optional<std::string>& text);

std::string Text(HWND window);
HWND Control(HWND parent, int id);
std::string Text(HWND parent, int id);
int CheckState(HWND parent, int id);
void SetText(HWND parent, int id, const std::string& text);
// Posted: a button may open a modal box, which would hold a sent message.
void Click(HWND parent, int id);
void PostKey(HWND window, UINT virtualKey);
LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
std::vector<HWND> TrayIcons();  // the visible icons' windows in Wine's tray
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
  // The main window's boxes and check boxes as "name|date|dose|0|1|2".
  std::string Fields() const;

  void PostTray(UINT mouseMessage) const { PostMessageW(main_, 2025, 0, mouseMessage); }
  // Opens the menu and chooses the item by keys until `effect` is seen.
  void Choose(UINT buttonUp, const std::string& caption, const std::function<bool()>& effect);

 private:
  HWND OpenMenu(UINT buttonUp, std::vector<std::string>& items);
  std::pair<std::vector<std::string>, int> ReadMenu(HWND menu) const;  // captions, selected item
  fs::path folder_;
  std::shared_ptr<void> process_;
  DWORD pid_ = 0;
  HWND main_ = nullptr;
  HANDLE menuMapping_ = nullptr;
  volatile wchar_t* menuView_ = nullptr;
};

}  // namespace e2e
