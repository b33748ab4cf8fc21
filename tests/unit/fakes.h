#pragma once
// Fakes of the platform interfaces, shared by every unit test.
#include <iconv.h>

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "base/ansi_codec.h"
#include "base/clock.h"
#include "base/data_folders.h"
#include "base/file_system.h"
#include "base/message_boxes.h"
#include "base/random_source.h"
#include "base/utf.h"
#include "commands/shell_opener.h"
#include "regimen/key_value_store.h"
#include "tips/http_client.h"
#include "tips/tips_of_the_day.h"

namespace quorvane::testing {

inline std::string Iconv(const char* to, const char* from, std::string_view bytes) {
  iconv_t cd = iconv_open(to, from);
  std::string in(bytes), out(in.size() * 4 + 4, '\0');
  char *inPtr = in.data(), *outPtr = out.data();
  std::size_t inLeft = in.size(), outLeft = out.size();
  iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
  iconv_close(cd);
  out.resize(out.size() - outLeft);
  return out;
}
inline std::string ToGbk(std::string_view utf8) { return Iconv("GBK", "UTF-8", utf8); }

// GBK through glibc's iconv, as a Chinese Windows decodes it.
struct GbkCodec : AnsiCodec {
  std::string ToUtf8(std::string_view ansiBytes) const override { return Iconv("UTF-8", "GBK", ansiBytes); }
};

struct FakeStore : KeyValueStore {
  std::map<std::pair<std::string, std::string>, StoredValue> values;
  long failWritesWith = 0;
  bool throwOnRead = false;

  // Stored as the registry keeps REG_SZ: UTF-16LE with a final NUL.
  void PutText(std::string_view key, std::string_view name, std::string_view utf8) {
    StoredValue value{true, {}};
    for (const char16_t unit : Utf8ToUtf16(utf8) + u'\0')
      value.data.insert(value.data.end(), {std::uint8_t(unit), std::uint8_t(unit >> 8)});
    values[{std::string(key), std::string(name)}] = value;
  }
  std::string Text(std::string_view key, std::string_view name) const {
    const auto& data = values.at({std::string(key), std::string(name)}).data;
    std::u16string text;
    for (std::size_t i = 0; i + 3 < data.size(); i += 2) text += char16_t(data[i] | data[i + 1] << 8);
    return Utf16ToUtf8(text);
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
  std::vector<std::string>* journal = nullptr;
  void Show(std::string_view text) override {
    shown.emplace_back(text);
    if (journal) journal->push_back("box:" + std::string(text));
  }
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

// A program folder in memory. Like the real one it does not tell upper from
// lower case. A file in `locked` is held open by another program: it cannot
// be written or replaced. With `diskFull` every write fails and leaves the
// file cut off, as a real one does.
struct FakeFileSystem : FileSystem {
  struct IgnoringCase {
    bool operator()(std::string_view a, std::string_view b) const {
      return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                          [](char x, char y) { return std::tolower(x) < std::tolower(y); });
    }
  };
  std::map<std::string, std::string, IgnoringCase> files;
  std::set<std::string, IgnoringCase> locked, unreadable;
  bool diskFull = false;
  int writes = 0;

  bool Exists(std::string_view path) override { return files.contains(std::string(path)); }
  std::optional<std::string> ReadAll(std::string_view path, FileError* error) override {
    const auto it = files.find(std::string(path));
    if (it != files.end() && !unreadable.contains(std::string(path))) return it->second;
    if (error)
      error->description =
          it == files.end() ? "The system cannot find the file specified." : "Access is denied.";
    return std::nullopt;
  }
  bool WriteAll(std::string_view path, std::string_view bytes, FileError* error) override {
    if (locked.contains(std::string(path))) return Fail(error, "另一个程序正在使用此文件，进程无法访问。");
    ++writes;
    files[std::string(path)] = diskFull ? "" : std::string(bytes);
    return !diskFull || Fail(error, "磁盘空间不足。");
  }
  bool ReplaceAtomically(std::string_view path, std::string_view bytes, FileError* error) override {
    if (diskFull || locked.contains(std::string(path)))
      return Fail(error, "另一个程序正在使用此文件，进程无法访问。");
    files[std::string(path)] = std::string(bytes);
    return true;
  }

 private:
  static bool Fail(FileError* error, std::string_view why) {
    if (error) error->description = why;
    return false;
  }
};

// A program folder an administrator installed: it can be read, but no file
// can be created or replaced in it. With userFolderFull the user's folder
// refuses files too.
struct ReadOnlyProgramFolder : FakeFileSystem, FolderAccess {
  static constexpr std::string_view kProgram = "C:\\Program Files\\Quorvane";
  static constexpr std::string_view kUser = "C:\\Users\\p\\AppData\\Local\\Quorvane";
  bool userFolderFull = false;
  std::vector<std::string> created;

  bool AcceptsNewFiles(std::string_view folder) override { return folder != kProgram; }
  void CreateFolder(std::string_view folder) override { created.emplace_back(folder); }
  bool WriteAll(std::string_view path, std::string_view bytes, FileError* error) override {
    return Takes(path, error) && FakeFileSystem::WriteAll(path, bytes, error);
  }
  bool ReplaceAtomically(std::string_view path, std::string_view bytes, FileError* error) override {
    return Takes(path, error) && FakeFileSystem::ReplaceAtomically(path, bytes, error);
  }

 private:
  bool Takes(std::string_view path, FileError* error) {
    if (path.starts_with(kUser) ? !userFolderFull : !path.starts_with(kProgram)) return true;
    error->description = "拒绝访问。";
    return false;
  }
};

struct RecordingShell : ShellOpener {
  std::vector<std::string> opened;
  void Open(std::string_view target) override { opened.emplace_back(target); }
};

// Answers every GET with the prepared response as it is.
struct FakeHttpClient : HttpClient {
  HttpResponse response;
  std::vector<std::string> requested;
  std::size_t limit = 0;
  HttpResponse Get(std::string_view url, std::size_t maxBodyBytes) override {
    requested.emplace_back(url);
    limit = maxBodyBytes;
    return response;
  }
};

struct RecordingLabel : TipLabel {
  std::string text;
  int changes = 0;
  void SetText(std::string_view newText) override { text = newText, ++changes; }
};

}  // namespace quorvane::testing
