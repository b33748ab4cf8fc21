#pragma once
// What the tip window does with its tips, apart from the window itself:
// loading the tip file into the list, drawing a tip and putting it on show.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/ansi_codec.h"
#include "base/file_system.h"
#include "base/random_source.h"
#include "tips/tip_list.h"

namespace quorvane {

// The label that shows the tip.
class TipLabel {
 public:
  virtual ~TipLabel() = default;
  virtual void SetText(std::string_view text) = 0;
};

enum class TipFileStatus { Loaded, NotFound, Unreadable };

struct TipFileLoad {
  TipFileStatus status;
  std::string reason;  // why an existing file could not be read
  std::string path;    // the file found, when there was one
};

// A tip file is a few kilobytes. A bigger file than this is no tip file, and
// is refused before it is read.
inline constexpr std::uint64_t kMaxTipFileReadBytes = 64ull * 1024 * 1024;

// The tip file in a folder, as "<folder>\<name>".
std::string TipFilePath(std::string_view folder, std::string_view name);

class TipsOfTheDay {
 public:
  TipsOfTheDay(FileSystem& files, const AnsiCodec& ansi, RandomSource& random, TipLabel& label);

  // Appends the lines of the file at path to the list and shows a random
  // tip. NotFound for an empty path or no file there, and then nothing
  // changes; Loaded for a file without a line, too. A file that cannot be
  // read, or is too big to be a tip file, adds nothing.
  TipFileLoad LoadTips(std::string_view path);
  // Loads TIPOFDAY.TXT from the first of the folders that has one; without
  // one the label explains where the file belongs.
  TipFileLoad LoadFromFolders(const std::vector<std::string>& folders);
  TipFileLoad LoadFromFolder(std::string_view folder) { return LoadFromFolders({std::string(folder)}); }
  // Draws a position from the whole list and shows the tip there.
  void ShowRandomTip();

  const TipList& Tips() const { return tips_; }

 private:
  void DisplayCurrentTip();

  FileSystem& files_;
  const AnsiCodec& ansi_;
  RandomSource& random_;
  TipLabel& label_;
  TipList tips_;
};

}  // namespace quorvane
