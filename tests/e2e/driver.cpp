#include "driver.h"

#include <winsock2.h>

#include <shellapi.h>
#include <shlobj.h>

#include <gtest/gtest.h>
#include <process.h>

#include <algorithm>
#include <fstream>
#include <sstream>

namespace e2e {
namespace {

constexpr UINT kMenuRead = WM_APP + 0x3768;            // answered by quorvane_menuhook.dll inside the program
constexpr UINT kReportHighContrast = WM_APP + 0x3769;  // taken by the same

std::string Narrow(UINT codePage, const std::wstring& text) {
  std::string out(text.size() * 4, '\0');
  out.resize(WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), out.data(),
                                 static_cast<int>(out.size()), nullptr, nullptr));
  return out;
}

std::string Setting(const char* name) { return std::getenv(name) ? std::getenv(name) : ""; }

fs::path FromEnvironment(const char* name) {
  const char* value = std::getenv(name);
  if (!value) throw std::runtime_error(std::string(name) + " is not set");
  return L"Z:" + Wide(value);  // Wine maps the Unix root to Z:
}

// Thrown for what a user would answer by trying again, such as a menu that
// Wine closed by itself; Retry runs the step again, a few times.
struct Flaky : std::runtime_error {
  using std::runtime_error::runtime_error;
};

void Retry(const std::function<void()>& step) {
  for (int attempt = 1;; ++attempt) try {
      return step();
    } catch (const Flaky& e) {
      if (attempt == 3) throw;
      std::fprintf(stderr, "note: trying again after: %s\n", e.what());
    }
}

fs::path ShellLogFile() { return fs::temp_directory_path() / L"quorvane-shell.log"; }

// Each test begins with no record, no logon entry, no proxy, an empty shell
// log and an empty record folder, and leaves no record and no logon entry behind (by then its programs
// have ended): the installer test, which shares the prefix, must not find one.
struct Reset : testing::EmptyTestEventListener {
  void OnTestStart(const testing::TestInfo& test) override {
    OnTestEnd(test);
    SetEnvironmentVariableW(L"http_proxy", nullptr);
    WriteBytes(ShellLogFile(), "");
    fs::remove_all(RecordFolder());
    fs::create_directories(RecordFolder());
  }
  void OnTestEnd(const testing::TestInfo&) override {
    SetUserValue(kRecordKey, std::nullopt);
    SetUserValue(kRunKey, std::nullopt);
  }
};

}  // namespace

void WaitFor(const std::function<bool()>& done, const std::string& what, std::chrono::milliseconds limit) {
  for (const auto end = std::chrono::steady_clock::now() + limit; !done();) {
    if (std::chrono::steady_clock::now() > end)
      throw std::runtime_error("waited " + std::to_string(limit.count()) + " ms for " + what);
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);  // the poll's pace
  }
}

std::string Utf8(const std::wstring& text) { return Narrow(CP_UTF8, text); }
std::string Gbk(const std::string& utf8) { return Narrow(936, Wide(utf8)); }
std::wstring Wide(const std::string& utf8) {
  std::wstring out(utf8.size(), L'\0');
  out.resize(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(),
                                 static_cast<int>(out.size())));
  return out;
}

fs::path RecordFolder() { return fs::path(_wgetenv(L"APPDATA")) / L"Quorvane"; }

std::optional<std::string> ReadBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const fs::path& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary) << bytes;
}

std::shared_ptr<void> HoldFile(const fs::path& file, DWORD access, DWORD sharing) {
  HANDLE handle = CreateFileW(file.c_str(), access, sharing, nullptr, OPEN_EXISTING, 0, nullptr);
  if (handle == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot open " + file.string());
  return {handle, CloseHandle};
}

fs::path Documents() {
  wchar_t folder[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, 0, folder)))
    throw std::runtime_error("no Documents folder");
  return folder;
}

std::string Day(int offset, const wchar_t* format) {
  SYSTEMTIME day{};
  GetLocalTime(&day);
  ULARGE_INTEGER time{};
  SystemTimeToFileTime(&day, reinterpret_cast<FILETIME*>(&time));
  time.QuadPart += offset * 864'000'000'000LL;  // 100 ns units
  FileTimeToSystemTime(reinterpret_cast<FILETIME*>(&time), &day);
  wchar_t text[32] = {};
  GetDateFormatW(LOCALE_INVARIANT, 0, &day, format, text, 32);
  return Utf8(text);
}

std::string DiaryRow(int offset, const std::string& status) {
  return Day(offset) + "," + status + ",强的松,6,," + Day(offset) + "T08:00:00\r\n";
}

fs::path Asset(const std::string& name) { return FromEnvironment("QUORVANE_ASSETS_DIR") / name; }

std::optional<std::string> UserValue(const wchar_t* key, const wchar_t* name) {
  wchar_t text[2048];
  DWORD size = sizeof text;
  if (RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ, nullptr, text, &size)) return {};
  return Utf8(text);
}

void SetUserValue(const wchar_t* key, const std::optional<std::string>& text, const wchar_t* name) {
  const std::wstring wide = Wide(text.value_or(""));
  if (!text) RegDeleteKeyValueW(HKEY_CURRENT_USER, key, name);
  if (text) RegSetKeyValueW(HKEY_CURRENT_USER, key, name, REG_SZ, wide.c_str(), (wide.size() + 1) * 2);
}

bool HaveDevelopmentKey() { return !Setting("QUORVANE_TIPS_DEVELOPMENT_KEY").empty(); }

std::string SignedByDevelopmentKey(const std::string& bytes) {
  static int count = 0;
  const std::string data = Setting("QUORVANE_E2E_SCRATCH") + "/signed-" + std::to_string(++count);
  const auto onZ = [](const std::string& unixPath) { return fs::path(L"Z:" + Wide(unixPath)); };
  fs::create_directories(onZ(data).parent_path());
  fs::remove(onZ(data + ".sig"));  // from an earlier run
  WriteBytes(onZ(data), bytes);
  // Wine starts a Unix program but cannot wait for it, and one started from
  // this process stops its sockets taking connections: start.exe starts it,
  // and the signature gets its name only once it is whole.
  const std::string command = Setting("QUORVANE_OPENSSL") + " dgst -sha256 -sign '" +
                              Setting("QUORVANE_TIPS_DEVELOPMENT_KEY") + "' -out '" + data + ".part' '" +
                              data + "' && mv '" + data + ".part' '" + data + ".sig'";
  _wspawnlp(_P_WAIT, L"start.exe", L"start", L"/unix", L"/bin/sh", L"-c",
            (L"\"" + Wide(command) + L"\"").c_str(), nullptr);
  WaitFor([&] { return fs::exists(onZ(data + ".sig")); }, "openssl's signature of " + data);
  return ReadBytes(onZ(data + ".sig")).value();
}

LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 10'000, &result))
    throw std::runtime_error("no answer to window message " + std::to_string(message));
  return static_cast<LRESULT>(result);
}

std::string Text(HWND window) {
  std::wstring text(4096, L'\0');
  text.resize(Send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
  return Utf8(text);
}

HWND Control(HWND parent, int id) {
  // A direct child, or one inside a container such as a picture box.
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (HWND found = GetDlgCtrlID(child) == id ? child : GetDlgItem(child, id)) return found;
  throw std::runtime_error("no control " + std::to_string(id));
}

std::string Text(HWND parent, int id) { return Text(Control(parent, id)); }
int CheckState(HWND parent, int id) { return static_cast<int>(Send(Control(parent, id), BM_GETCHECK)); }
void Click(HWND parent, int id) { PostMessageW(Control(parent, id), BM_CLICK, 0, 0); }
void SetText(HWND parent, int id, const std::string& text) {
  Send(Control(parent, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Wide(text).c_str()));
}

void PostKey(HWND window, UINT virtualKey) {
  PostMessageW(window, WM_KEYDOWN, virtualKey, 1);
  PostMessageW(window, WM_KEYUP, virtualKey, 0xC0000001);
}

HWND Focus(HWND window) {
  GUITHREADINFO thread{sizeof thread};
  return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread) ? thread.hwndFocus : nullptr;
}

std::vector<HWND> TrayIcons() {
  // Wine shows each icon as a window of this class inside its own tray window.
  std::vector<HWND> icons;
  for (HWND top = GetTopWindow(nullptr); top; top = GetWindow(top, GW_HWNDNEXT))
    for (HWND icon = nullptr; (icon = FindWindowExW(top, icon, L"__winex11_tray_icon", nullptr));)
      if (IsWindowVisible(icon)) icons.push_back(icon);
  return icons;
}

bool BalloonShows(const std::string& text) {
  // Wine shows a balloon as a tooltip, which answers WM_GETTEXT with its text, as the icon's tooltip does.
  for (HWND tip = nullptr; (tip = FindWindowExW(nullptr, tip, L"tooltips_class32", nullptr));) {
    wchar_t shown[256] = {};
    if (IsWindowVisible(tip) && Send(tip, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(shown)) &&
        Utf8(shown) == text)
      return true;
  }
  return false;
}

std::vector<std::string> ShellLog() {
  std::vector<std::string> lines;
  std::istringstream log(ReadBytes(ShellLogFile()).value_or(""));
  for (std::string line; std::getline(log, line);) lines.push_back(line);
  return lines;
}

HttpServer::HttpServer() {
  WSADATA wsa;
  WSAStartup(MAKEWORD(2, 2), &wsa);
  listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in address{AF_INET};
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  int length = sizeof address;
  if (bind(listener_, reinterpret_cast<sockaddr*>(&address), length) || listen(listener_, 8) ||
      getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length))
    throw std::runtime_error("the local HTTP server cannot listen");
  // WinINet, told to use the system's settings, takes the proxy from here under Wine.
  SetEnvironmentVariableW(L"http_proxy",
                          (L"http://127.0.0.1:" + std::to_wstring(ntohs(address.sin_port))).c_str());
}

HttpServer::~HttpServer() {
  closesocket(client_);
  Refuse();
}

std::string HttpServer::Take() {
  WaitFor(
      [&] {
        fd_set waiting{1, {listener_}};
        timeval now{};
        return select(0, &waiting, nullptr, nullptr, &now) == 1;
      },
      "a request");
  client_ = accept(listener_, nullptr, nullptr);
  std::string head(65536, '\0');
  head.resize(std::max(recv(client_, head.data(), static_cast<int>(head.size()), 0), 0));
  return head.substr(0, head.find("\r\n"));
}

void HttpServer::Reply(int status, const std::string& body, size_t announced) {
  const std::string bytes = "HTTP/1.1 " + std::to_string(status) +
                            " X\r\nContent-Length: " + std::to_string(std::max(announced, body.size())) +
                            "\r\n\r\n" + body;
  // Stops early when the program stops reading an over-long body.
  for (int sent = 0, n;
       sent < static_cast<int>(bytes.size()) &&
       (n = send(client_, bytes.data() + sent, static_cast<int>(bytes.size()) - sent, 0)) > 0;)
    sent += n;
  shutdown(client_, SD_SEND);
  closesocket(std::exchange(client_, INVALID_SOCKET));
}

void HttpServer::Refuse() { closesocket(std::exchange(listener_, INVALID_SOCKET)); }

Quorvane::Quorvane() {
  for (int n = 1; !fs::create_directory(folder_ = L"C:\\Program Files\\Quorvane Test " + std::to_wstring(n));
       ++n) {
  }
  fs::copy_file(FromEnvironment("QUORVANE_EXE"), File("Quorvane.exe"));
}

Quorvane::~Quorvane() {
  if (menuView_) UnmapViewOfFile(const_cast<wchar_t*>(menuView_));
  if (menuMapping_) CloseHandle(menuMapping_);
}

std::shared_ptr<void> Quorvane::StartCopy() const {
  // As the logon entry starts it: the path quoted, another current folder.
  std::wstring commandLine = L"\"" + File("Quorvane.exe").wstring() + L"\"";
  STARTUPINFOW startup{sizeof startup};
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, L"C:\\windows",
                      &startup, &started))
    throw std::runtime_error("cannot start the program");
  CloseHandle(started.hThread);
  return {started.hProcess, [](HANDLE process) {
            TerminateProcess(process, 1);
            WaitForSingleObject(process, 10'000);
            CloseHandle(process);
          }};
}

void Quorvane::Start() {
  WaitFor([] { return TrayIcons().empty(); }, "the tray icon of an earlier test to go");
  process_ = StartCopy();
  pid_ = GetProcessId(process_.get());
}

HWND Quorvane::StartQuiet() {
  SetUserValue(kRecordKey, "强的松|2006-05-22|6|2|0");
  Start();
  return WaitForMain();
}

bool Quorvane::Ended() const { return WaitForSingleObject(process_.get(), 0) == WAIT_OBJECT_0; }
void Quorvane::WaitForEnd() const {
  WaitFor([&] { return Ended(); }, "the program to end");
}

HWND Quorvane::Window(const wchar_t* className) const {
  HWND window = nullptr;
  for (DWORD owner = 0; (window = FindWindowExW(nullptr, window, className, nullptr));)
    if (GetWindowThreadProcessId(window, &owner) && owner == pid_ && IsWindowVisible(window)) break;
  return window;
}

HWND Quorvane::WaitForWindow(const wchar_t* className) const {
  HWND found = nullptr;
  WaitFor([&] { return (found = Window(className)) != nullptr; }, "a window " + Utf8(className));
  return found;
}

std::string Quorvane::AnswerBox() const {
  const HWND box = WaitForWindow(L"#32770");
  EXPECT_EQ(Text(box), "Quorvane");
  const std::string text = Text(box, 0xFFFF);
  Click(box, IDOK);  // found by id: the button's caption is localised
  WaitFor([&] { return !IsWindowVisible(box); }, "the box \"" + text + "\" to close");
  return text;
}

HWND Quorvane::WaitForMain() {
  WaitFor([&] { return (main_ = Window(L"QuorvaneMainWindow")) || Box() || Ended(); }, "the main window");
  if (!main_)
    throw std::runtime_error(Box() ? "start-up showed a box: " + Text(Box(), 0xFFFF) : "the program ended");
  return main_;
}

HWND Quorvane::OpenDiary() {
  HWND diary = nullptr;
  Choose(WM_LBUTTONUP, "用药记录",
         [&] { return (diary = Window(L"QuorvaneDiaryWindow")) && GetForegroundWindow() == diary; });
  return diary;
}

std::string Quorvane::Fields() const {
  std::string fields = Text(main_, main_window::kDrugNameBox) + "|" +
                       Text(main_, main_window::kStartDateBox) + "|" + Text(main_, main_window::kDoseBox);
  for (const int box :
       {main_window::kAlternateDayCheck, main_window::kRemindAtStartCheck, main_window::kTipsAtStartupCheck})
    fields.append("|").append(std::to_string(CheckState(main_, box)));
  return fields;
}

void Quorvane::Hook() {
  if (menuView_) return;
  // quorvane_menuhook.dll, hooked into the program's thread, keeps this
  // mapping up to date: another process cannot read a menu. Its source
  // tells the layout. The hooks go with the program's thread.
  const std::wstring name = L"QuorvaneE2E.Menu." + std::to_wstring(pid_);
  menuMapping_ = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 65536, name.c_str());
  menuView_ = static_cast<wchar_t*>(MapViewOfFile(menuMapping_, FILE_MAP_ALL_ACCESS, 0, 0, 65536));
  HMODULE library = LoadLibraryW(L"quorvane_menuhook.dll");
  const auto hook = [&](int type, const char* proc, DWORD thread) {
    const auto function = reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(library, proc)));
    HHOOK set = menuView_ ? SetWindowsHookExW(type, function, library, thread) : nullptr;
    if (!set) throw std::runtime_error("cannot hook the program");
    return set;
  };
  hook(WH_CALLWNDPROC, "MenuHook", GetWindowThreadProcessId(main_, nullptr));
  hook(WH_MSGFILTER, "KeyHook", GetWindowThreadProcessId(main_, nullptr));
  // The shell's tray window takes every program's requests. A hook sets a
  // spy on it, which stays for later programs.
  const HWND shellTray = FindWindowW(L"Shell_TrayWnd", nullptr);
  const HHOOK spy = hook(WH_CALLWNDPROC, "ShellHook", GetWindowThreadProcessId(shellTray, nullptr));
  Send(shellTray, WM_NULL);
  UnhookWindowsHookEx(spy);
}

void Quorvane::ReportHighContrast() {
  Hook();
  Send(main_, kReportHighContrast);
  for (HWND window = GetTopWindow(nullptr); window; window = GetWindow(window, GW_HWNDNEXT)) {
    DWORD owner = 0;
    if (!GetWindowThreadProcessId(window, &owner) || owner != pid_) continue;
    Send(window, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST);
    Send(window, WM_SYSCOLORCHANGE);
  }
}

HWND Quorvane::OpenMenu(UINT action, std::vector<std::string>& items, POINT at) {
  Hook();
  // A tray click while an earlier menu closes would be taken by that menu.
  WaitFor([&] { return menuView_[5] == menuView_[2]; }, "no menu open");
  const wchar_t closedBefore = menuView_[2];
  if (action == WM_LBUTTONUP || action == WM_RBUTTONUP) {
    // As Wine's tray reports a click at version 4, all at once.
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    GetCursorPos(&at);
    const UINT extra = action == WM_LBUTTONUP ? NIN_SELECT : WM_CONTEXTMENU;
    for (const UINT event : {action - 1, action, extra}) PostTray(event, at);  // the button's down, up
  } else {
    PostTray(action, at);
  }
  HWND menu = nullptr;
  WaitFor([&] { return (menu = Window(L"#32768")) || menuView_[2] != closedBefore; }, "a tray menu");
  if (!menu) throw Flaky("the menu closed by itself");
  items = ReadMenu(menu).first;
  return menu;
}

std::vector<std::string> Quorvane::TakeTrayLog(size_t count) {
  Hook();
  WaitFor([&] { return menuView_[16384] >= count; }, std::to_string(count) + " requests to the shell");
  static const char* const requests[] = {"NIM_ADD", "NIM_MODIFY", "NIM_DELETE", "NIM_SETFOCUS",
                                         "NIM_SETVERSION"};
  volatile wchar_t* const log = menuView_ + 16384;
  std::vector<std::string> entries;
  for (int i = 1; i <= log[0]; ++i)
    entries.push_back(log[i] < std::size(requests) ? requests[log[i]] : std::to_string(log[i]));
  log[0] = 0;
  return entries;
}

std::pair<std::vector<std::string>, int> Quorvane::ReadMenu(HWND menu) const {
  volatile wchar_t* const view = menuView_;
  view[0] = 0xFFFF;
  DWORD_PTR ignored;
  if (!SendMessageTimeoutW(menu, kMenuRead, 0, 0, SMTO_ABORTIFHUNG, 10'000, &ignored) || view[0] == 0xFFFF)
    throw Flaky("the menu closed before it was read");
  std::vector<std::string> items;
  for (auto caption = const_cast<const wchar_t*>(view + 6); items.size() < view[0];
       caption += wcslen(caption) + 1)
    items.push_back(Utf8(caption));
  return {items, view[1] - 1};
}

void Quorvane::Choose(UINT action, const std::string& caption, const std::function<bool()>& effect,
                      POINT at) {
  Retry([&] {
    std::vector<std::string> items;
    const HWND menu = OpenMenu(action, items, at);
    const int wanted = static_cast<int>(std::find(items.begin(), items.end(), caption) - items.begin());
    if (wanted == static_cast<int>(items.size()))
      throw std::runtime_error("the tray menu has no item " + caption);
    // No item is selected when a menu opens, and each Down selects the next
    // one; but the mouse move of a menu appearing under the pointer clears
    // the selection again, when it comes late. So look after each key.
    volatile wchar_t* const view = menuView_;
    const auto press = [&](UINT key) {
      const wchar_t taken = view[3];
      PostKey(menu, key);
      WaitFor([&] { return view[3] != taken || !IsWindowVisible(menu); }, "the menu to take a key");
    };
    for (int keys = 0; ReadMenu(menu).second != wanted; ++keys) {
      if (keys > 2 * wanted + 4) throw std::runtime_error("Down does not reach " + caption);
      press(VK_DOWN);
    }
    view[4] = 0xFFFF;
    press(VK_RETURN);
    if (view[4] == 0xFFFF || view[4] == 0) throw Flaky("the menu closed with nothing chosen");
    if (view[4] != wanted + 1)
      throw std::runtime_error("Enter chose " + items.at(view[4] - 1) + ", not " + caption);
    // Wine now and then ends the menu without running the item that took
    // Enter; nothing happens then, so the choice is made again.
    try {
      WaitFor(effect, "what " + caption + " does", 5s);
    } catch (const std::runtime_error& e) {
      throw Flaky(e.what());
    }
  });
}

}  // namespace e2e

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  SetProcessDPIAware();  // places in pixels, at any DPI
  SetEnvironmentVariableW(L"QUORVANE_SHELL_LOG", e2e::ShellLogFile().c_str());
  testing::UnitTest::GetInstance()->listeners().Append(new e2e::Reset);
  return RUN_ALL_TESTS();
}
