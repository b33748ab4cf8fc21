#include "tips/tips_of_the_day.h"

#include "tips/tip_file.h"
#include "tips/tip_texts.h"

namespace quorvane {

std::string TipFilePath(std::string_view folder, std::string_view name) {
  std::string path(folder);
  path += '\\';
  path += name;
  return path;
}

TipsOfTheDay::TipsOfTheDay(FileSystem& files, const AnsiCodec& ansi, RandomSource& random, TipLabel& label)
    : files_(files), ansi_(ansi), random_(random), label_(label) {}

TipFileLoad TipsOfTheDay::LoadTips(std::string_view path) {
  if (path.empty() || !files_.Exists(path)) return {TipFileStatus::NotFound, {}};
  if (const auto size = files_.FileSize(path); size && *size > kMaxTipFileReadBytes)
    return {TipFileStatus::Unreadable, std::string(kTipFileTooLarge)};
  FileError error;
  const auto bytes = files_.ReadAll(path, &error);
  if (!bytes) return {TipFileStatus::Unreadable, error.description, std::string(path)};
  tips_.Append(SplitTipLines(DecodeTipFile(*bytes, ansi_)));
  ShowRandomTip();
  return {TipFileStatus::Loaded, {}, std::string(path)};
}

TipFileLoad TipsOfTheDay::LoadFromFolders(const std::vector<std::string>& folders) {
  for (const std::string& folder : folders) {
    TipFileLoad load = LoadTips(TipFilePath(folder, kTipFileName));
    if (load.status != TipFileStatus::NotFound) return load;
  }
  label_.SetText(MissingTipFileText());
  return {TipFileStatus::NotFound, {}, {}};
}

void TipsOfTheDay::ShowRandomTip() {
  tips_.DrawRandom(random_);
  DisplayCurrentTip();
}

void TipsOfTheDay::DisplayCurrentTip() {
  if (const std::string* tip = tips_.Current()) label_.SetText(*tip);
}

}  // namespace quorvane
