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

namespace e2e {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// Long enough for a slow machine; a healthy run needs a fraction of it.
inline constexpr std::chrono::milliseconds kPatience = 10s;

// Polls `done` until it holds; throws, naming `what`, after `limit`.
void WaitFor(const std::function<bool()>& done, const std::string& what,
             std::chrono::milliseconds limit = kPatience);

// Thrown for what a user would answer by trying again (a menu that Wine
// closed by itself); Retry runs `step` again, a few times.
struct Flaky : std::runtime_error {
  using std::runtime_error::runtime_error;
};
void Retry(const std::function<void()>& step);

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

// The first visible top-level window of the process with this class, or null.
HWND FindWindowOf(DWORD processId, const wchar_t* className);
std::string Text(HWND window);
HWND Control(HWND parent, int id);
std::string Text(HWND parent, int id);
int CheckState(HWND parent, int id);
void SetText(HWND parent, int id, const std::string& text);
// Posted: a button may open a modal box, which would hold a sent message.
void Click(HWND parent, int id);
void PostKey(HWND window, UINT virtualKey);
LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
int TrayIcons();
// What the program asked the shell to open, from the prefix's recorder.
std::vector<std::string> ShellLog();

// Answers the program's downloads; the program reaches it as its proxy.
class HttpServer {
 public:
  struct Reply {
    int status = 200;
    std::string body;
    size_t announced = 0;  // Content-Length if larger than the body, which is then cut off
  };
  HttpServer();
  ~HttpServer();
  void Answer(Reply reply);
  void Hold(bool held);    // requests wait for their reply while held
  void Refuse();           // closes the listener: connections are refused
  std::vector<std::string> Requests() const;

 private:
  struct State;
  std::shared_ptr<State> state_;
};

// One copy of the program in "C:\Program Files\Quorvane Test <n>".
class Quorvane {
 public:
  Quorvane();
  ~Quorvane();
  fs::path File(const std::string& name) const { return folder_ / Wide(name); }
  const fs::path& Folder() const { return folder_; }

  void Start();
  DWORD Pid() const { return pid_; }
  bool Ended() const;
  void WaitForEnd() const;

  // A visible message box now, or null; waiting for one; and answering it
  // with OK, which returns its text.
  HWND Box() const { return FindWindowOf(pid_, L"#32770"); }
  HWND WaitForBox() const;
  std::string AnswerBox() const;
  HWND WaitForWindow(const wchar_t* className) const;
  // The main window once start-up is through; fails if a box came first.
  HWND WaitForMain();
  HWND Main() const { return main_; }
  // The main window's boxes and check boxes as "name|date|dose|0|1|2".
  std::string Fields() const;

  void PostTray(UINT mouseMessage) const { PostMessageW(main_, 2025, 0, mouseMessage); }
  // The captions of the menu a tray button opens; the menu is closed again.
  std::vector<std::string> MenuItems(UINT buttonUp);
  // Opens the menu and chooses the item by keys until `effect` is seen.
  void Choose(UINT buttonUp, const std::string& caption, const std::function<bool()>& effect);

 private:
  HWND OpenMenu(UINT buttonUp, std::vector<std::string>& items);
  std::pair<std::vector<std::string>, int> ReadMenu(HWND menu) const;  // captions, selected item
  fs::path folder_;
  HANDLE process_ = nullptr;
  DWORD pid_ = 0;
  HWND main_ = nullptr;
  struct Hook;
  std::shared_ptr<Hook> hook_;
};

}  // namespace e2e
