#pragma once
// Fakes of the platform interfaces, shared by every unit test.
#include <strings.h>

#include <algorithm>
#include <map>
#include <new>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/main_window_definition.h"
#include "app/startup.h"
#include "base/ansi_codec.h"
#include "base/clock.h"
#include "base/data_folders.h"
#include "base/file_system.h"
#include "base/message_boxes.h"
#include "base/random_source.h"
#include "base/utf.h"
#include "commands/shell_opener.h"
#include "gbk_codec.h"
#include "regimen/key_value_store.h"
#include "regimen/regimen_source.h"
#include "tips/http_client.h"
#include "tips/tips_of_the_day.h"

namespace quorvane::testing {

// What happened, in order: entries separated by blanks.
inline void Note(std::string* journal, std::string_view entry) {
  if (!journal) return;
  if (!journal->empty()) *journal += ' ';
  *journal += entry;
}

struct FakeStore : KeyValueStore {
  std::map<std::pair<std::string, std::string>, StoredValue> values;
  long failWritesWith = 0;
  bool throwOnRead = false;

  // Kept as REG_SZ is: UTF-16LE (this machine is little-endian) and a NUL.
  void PutText(std::string_view key, std::string_view name, std::string_view utf8) {
    const std::u16string text = Utf8ToUtf16(utf8) + u'\0';
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    values[{std::string(key), std::string(name)}] = {true, {bytes, bytes + 2 * text.size()}};
  }
  std::string Text(std::string_view key, std::string_view name) const {
    const auto& data = values.at({std::string(key), std::string(name)}).data;
    return Utf16ToUtf8({reinterpret_cast<const char16_t*>(data.data()), data.size() / 2 - 1});
  }
  std::optional<StoredValue> Read(std::string_view key, std::string_view name) override {
    if (throwOnRead) throw std::runtime_error("registry unavailable");
    const auto it = values.find({std::string(key), std::string(name)});
    return it == values.end() ? std::nullopt : std::optional(it->second);
  }
  long WriteText(std::string_view key, std::string_view name, std::string_view utf8) override {
    if (failWritesWith == 0) PutText(key, name, utf8);
    return failWritesWith;
  }
};

struct RecordingBoxes : MessageBoxes {
  std::vector<std::string> shown;
  std::string* journal = nullptr;
  void Show(std::string_view t) override { shown.emplace_back(t), Note(journal, "box:" + shown.back()); }
};

struct RecordingLabel : TipLabel {
  std::string text;
  std::string* journal = nullptr;
  void SetText(std::string_view t) override { text = t, Note(journal, "label:" + text); }
};

struct RecordingShell : ShellOpener {
  std::vector<std::string> opened;
  void Open(std::string_view target) override { opened.emplace_back(target); }
};

struct FixedClock : Clock {
  CivilDate today;
  explicit FixedClock(CivilDate date) : today(date) {}
  CivilDate Today() const override { return today; }
};

// Plays back a fixed list of numbers, then repeats the last one.
struct ScriptedRandom : RandomSource {
  std::vector<float> values;
  std::size_t next = 0;
  explicit ScriptedRandom(std::vector<float> list) : values(std::move(list)) {}
  float NextUnit() override { return values[std::min(next++, values.size() - 1)]; }
};

// Answers a GET of an address ending in ".sig" with `signature`, every other
// with `response`, as they are, and notes the address and the limit.
struct FakeHttpClient : HttpClient {
  HttpResponse response, signature;
  std::vector<std::pair<std::string, std::size_t>> asked;
  bool outOfMemory = false;
  HttpResponse Get(std::string_view url, std::size_t maxBodyBytes) override {
    if (outOfMemory) throw std::bad_alloc();
    asked.emplace_back(url, maxBodyBytes);
    return url.ends_with(".sig") ? signature : response;
  }
};

// A program folder in memory. Like the real one it does not tell upper from
// lower case. A file in `locked` is held open by another program: it cannot
// be written or replaced. A folder in `refusing` takes no new files, as
// Program Files does for a standard user. With `diskFull` every write fails
// and leaves the file cut off, as a real one does.
struct FakeFileSystem : FileSystem, FolderAccess {
  struct IgnoringCase {
    bool operator()(const std::string& a, const std::string& b) const {
      return strcasecmp(a.c_str(), b.c_str()) < 0;
    }
  };
  std::map<std::string, std::string, IgnoringCase> files;
  std::set<std::string, IgnoringCase> locked, unreadable, refusing;
  std::vector<std::string> created;
  bool diskFull = false;
  int reads = 0;

  bool Exists(std::string_view path) override { return files.contains(std::string(path)); }
  std::optional<std::uint64_t> FileSize(std::string_view path) override {
    const auto it = files.find(std::string(path));
    return it == files.end() ? std::nullopt : std::optional<std::uint64_t>(it->second.size());
  }
  std::optional<std::string> ReadAll(std::string_view path, FileError* error) override {
    ++reads;
    const auto it = files.find(std::string(path));
    if (it == files.end()) return Fail(error, "The system cannot find the file specified."), std::nullopt;
    if (unreadable.contains(it->first)) return Fail(error, "Access is denied."), std::nullopt;
    return it->second;
  }
  bool WriteAll(std::string_view path, std::string_view bytes, FileError* error) override {
    if (!Takes(path, error)) return false;
    files[std::string(path)] = diskFull ? "" : std::string(bytes);
    return !diskFull || Fail(error, "磁盘空间不足。");
  }
  bool Rename(std::string_view from, std::string_view to, FileError* error) override {
    if (!Takes(to, error)) return false;
    files[std::string(to)] = files.at(std::string(from));
    files.erase(std::string(from));
    return true;
  }
  void Remove(std::string_view path) override { files.erase(std::string(path)); }
  // A file where the folder should be stops it, as on a real disk.
  bool CreateFolder(std::string_view path, FileError* error) override {
    return !Exists(path) || Fail(error, "当文件已存在时，无法创建该文件。");
  }
  bool AcceptsNewFiles(std::string_view folder) override { return !refusing.contains(std::string(folder)); }
  void CreateFolder(std::string_view folder) override { created.emplace_back(folder); }

  bool Takes(std::string_view path, FileError* error) {
    if (locked.contains(std::string(path))) return Fail(error, "另一个程序正在使用此文件，进程无法访问。");
    return AcceptsNewFiles(path.substr(0, path.rfind('\\'))) || Fail(error, "拒绝访问。");
  }
  static bool Fail(FileError* error, std::string_view why) {
    if (error) error->description = why;
    return false;
  }
};

// The main window as start-up and the reminder see it, holding the regimen of
// its table as the real window does. What start-up does to it goes into a
// journal.
struct FakeMainWindow : StartupHost, RegimenSource {
  RegimenValues controls = main_window::DesignRegimen();
  std::string journal;
  bool failTrayIcon = false;

  void Hide() override { Note(&journal, "hide"); }
  RegimenValues Controls() const override { return controls; }
  RegimenValues CurrentRegimen() const override { return controls; }
  void SetControls(const RegimenValues& values) override { controls = values, Note(&journal, "set"); }
  void AddTrayIcon() override {
    if (failTrayIcon) throw std::runtime_error("no shell");
    Note(&journal, "tray");
  }
  void SetTrayTip(std::string_view tip) override { Note(&journal, "tip:" + std::string(tip)); }
  void OpenTipWindow() override { Note(&journal, "tips"); }
};

}  // namespace quorvane::testing
