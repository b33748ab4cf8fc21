#pragma once
// Fakes of the platform interfaces for the unit tests.
#include <iconv.h>

#include <algorithm>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "base/ansi_codec.h"
#include "base/clock.h"
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
  char* inPtr = in.data();
  char* outPtr = out.data();
  std::size_t inLeft = in.size(), outLeft = out.size();
  iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
  iconv_close(cd);
  out.resize(out.size() - outLeft);
  return out;
}

// GBK through glibc's iconv, as a Chinese Windows would decode it.
class GbkCodec : public AnsiCodec {
 public:
  std::string ToUtf8(std::string_view ansiBytes) const override { return Iconv("UTF-8", "GBK", ansiBytes); }
};

inline std::string ToGbk(std::string_view utf8) { return Iconv("GBK", "UTF-8", utf8); }

class FakeStore : public KeyValueStore {
 public:
  std::map<std::pair<std::string, std::string>, StoredValue> values;
  long failWritesWith = 0;
  bool throwOnRead = false;

  void PutText(std::string_view key, std::string_view name, std::string_view utf8) {
    StoredValue value{true, {}};
    for (const char16_t unit : Utf8ToUtf16(utf8)) {
      value.data.push_back(static_cast<std::uint8_t>(unit & 0xFF));
      value.data.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    value.data.push_back(0), value.data.push_back(0);
    values[{std::string(key), std::string(name)}] = value;
  }
  std::string Text(std::string_view key, std::string_view name) const {
    const auto& data = values.at({std::string(key), std::string(name)}).data;
    std::u16string text;
    for (std::size_t i = 0; i + 1 < data.size(); i += 2)
      text += static_cast<char16_t>(data[i] | (data[i + 1] << 8));
    if (!text.empty() && text.back() == 0) text.pop_back();
    return Utf16ToUtf8(text);
  }
  std::optional<StoredValue> Read(std::string_view key, std::string_view name) override {
    if (throwOnRead) throw std::runtime_error("registry unavailable");
    const auto it = values.find({std::string(key), std::string(name)});
    if (it == values.end()) return std::nullopt;
    return it->second;
  }
  long WriteText(std::string_view key, std::string_view name, std::string_view utf8) override {
    if (failWritesWith != 0) return failWritesWith;
    PutText(key, name, utf8);
    return 0;
  }
};

class RecordingBoxes : public MessageBoxes {
 public:
  std::vector<std::string> shown;
  std::vector<std::string>* journal = nullptr;
  void Show(std::string_view text) override {
    shown.emplace_back(text);
    if (journal) journal->push_back("box:" + std::string(text));
  }
};

class FixedClock : public Clock {
 public:
  explicit FixedClock(CivilDate today) : today_(today) {}
  CivilDate Today() const override { return today_; }

 private:
  CivilDate today_;
};

// Plays back a fixed list of numbers, then repeats the last one.
class ScriptedRandom : public RandomSource {
 public:
  explicit ScriptedRandom(std::vector<float> values) : values_(std::move(values)) {}
  float NextUnit() override {
    const float value = values_[std::min(next_, values_.size() - 1)];
    ++next_;
    return value;
  }

 private:
  std::vector<float> values_;
  std::size_t next_ = 0;
};

// Files in memory. A path listed in lockedPaths cannot be written, as when
// another program holds the file open.
class FakeFileSystem : public FileSystem {
 public:
  std::map<std::string, std::string> files;
  std::vector<std::string> lockedPaths;
  std::vector<std::string> unreadablePaths;
  int writes = 0;
  int reads = 0;

  bool Exists(std::string_view path) override { return files.contains(std::string(path)); }
  std::optional<std::uint64_t> FileSize(std::string_view path) override {
    const auto it = files.find(std::string(path));
    return it == files.end() ? std::nullopt : std::optional<std::uint64_t>(it->second.size());
  }
  std::optional<std::string> ReadAll(std::string_view path, FileError* error) override {
    ++reads;
    const auto it = files.find(std::string(path));
    if (it == files.end() || IsListed(unreadablePaths, path)) {
      if (error) error->description = "unreadable";
      return std::nullopt;
    }
    return it->second;
  }
  bool WriteAll(std::string_view path, std::string_view bytes, FileError* error) override {
    if (IsListed(lockedPaths, path)) {
      if (error) error->description = "另一个程序正在使用此文件，进程无法访问。";
      return false;
    }
    ++writes;
    files[std::string(path)] = std::string(bytes);
    return true;
  }
  bool ReplaceAtomically(std::string_view path, std::string_view bytes, FileError* error) override {
    return WriteAll(path, bytes, error);
  }

 private:
  static bool IsListed(const std::vector<std::string>& list, std::string_view path) {
    return std::find(list.begin(), list.end(), path) != list.end();
  }
};

class RecordingShell : public ShellOpener {
 public:
  std::vector<std::string> opened;
  void Open(std::string_view target) override { opened.emplace_back(target); }
};

// A program folder in memory. Like the real one it does not tell upper from
// lower case. A failing plain write leaves the file cut off, as a real one
// does; a failing atomic replace leaves the old file whole.
class MemoryFileSystem : public FileSystem {
 public:
  bool failWrites = false;

  void Put(std::string_view path, std::string_view bytes) { files_[Key(path)] = std::string(bytes); }
  void Remove(std::string_view path) { files_.erase(Key(path)); }
  // The file stays there, but reading it fails.
  void MakeUnreadable(std::string_view path) { unreadable_.insert(Key(path)); }
  std::optional<std::string> Content(std::string_view path) const {
    const auto it = files_.find(Key(path));
    if (it == files_.end()) return std::nullopt;
    return it->second;
  }
  std::size_t FileCount() const { return files_.size(); }

  bool Exists(std::string_view path) override { return files_.contains(Key(path)); }
  std::optional<std::uint64_t> FileSize(std::string_view path) override {
    const auto content = Content(path);
    return content ? std::optional<std::uint64_t>(content->size()) : std::nullopt;
  }
  std::optional<std::string> ReadAll(std::string_view path, FileError* error) override {
    if (unreadable_.contains(Key(path))) {
      if (error) error->description = "Access is denied.";
      return std::nullopt;
    }
    auto content = Content(path);
    if (!content && error) error->description = "The system cannot find the file specified.";
    return content;
  }
  bool WriteAll(std::string_view path, std::string_view bytes, FileError* error) override {
    if (failWrites) {
      files_[Key(path)].clear();
      if (error) error->description = "There is not enough space on the disk.";
      return false;
    }
    Put(path, bytes);
    return true;
  }
  bool ReplaceAtomically(std::string_view path, std::string_view bytes, FileError* error) override {
    if (failWrites) {
      if (error) error->description = "There is not enough space on the disk.";
      return false;
    }
    Put(path, bytes);
    return true;
  }

 private:
  static std::string Key(std::string_view path) {
    std::string key(path);
    std::transform(key.begin(), key.end(), key.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return key;
  }
  std::map<std::string, std::string> files_;
  std::set<std::string> unreadable_;
};

// Answers every GET with one prepared response, cut at the caller's limit
// the way a real client stops reading.
class FakeHttpClient : public HttpClient {
 public:
  HttpResponse response;
  std::vector<std::string> requested;

  HttpResponse Get(std::string_view url, std::size_t maxBodyBytes) override {
    requested.emplace_back(url);
    HttpResponse answer = response;
    if (answer.body.size() > maxBodyBytes) {
      answer.body.resize(maxBodyBytes + 1);
      answer.complete = false;
    }
    return answer;
  }
};

class RecordingLabel : public TipLabel {
 public:
  std::string text;
  int changes = 0;
  void SetText(std::string_view newText) override {
    text = newText;
    ++changes;
  }
};

}  // namespace quorvane::testing
