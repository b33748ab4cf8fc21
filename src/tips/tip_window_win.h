#pragma once
// "日积月累": a random tip from TIPOFDAY.TXT (see CurrentDataFolders for
// where it is looked for), another on "下一条提示", and "更新知识库" to
// download a fresh tip file.
#include "base/file_system_win.h"
#include "base/text_win.h"
#include "base/unique_handle_win.h"
#include "tips/tip_random.h"
#include "tips/tips_of_the_day.h"
#include "ui/form_win.h"

namespace quorvane {

// The object lives for the whole run, and with it the tip list: closing the
// window keeps the tips, and every opening appends the file once more.
class TipWindow : public Form, private TipLabel {
 public:
  TipWindow();
  // Loads (reading the tip file) and shows the window, or brings an open one
  // to the front. A tip file that exists but cannot be read is reported in a
  // message box when reportFailure is set; the window then stays closed.
  void Open(bool reportFailure);
  // Unloads the window; during a download, as soon as the download is over.
  void Close();

 protected:
  DWORD Style() const override { return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME; }
  DWORD ExStyle() const override { return WS_EX_DLGMODALFRAME | WS_EX_CONTEXTHELP | WS_EX_APPWINDOW; }
  void PlaceOnScreen() override;
  void OnLayout() override;
  void OnLoad() override;
  void OnCommand(int id, int notification, HWND control) override;
  void OnClose() override;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void SetText(std::string_view text) override;
  void RunTipUpdate();
  // While busy the window takes no command and cannot be closed.
  void SetBusy(bool busy);

  WindowsFileSystem files_;
  SystemAnsiCodec ansi_;
  TipRandom random_;
  TipsOfTheDay tips_;
  TipFileLoad lastLoad_{TipFileStatus::NotFound, {}};
  bool busy_ = false;
  bool closeWhenIdle_ = false;
  HWND focusBeforeBusy_ = nullptr;
  UniqueIcon bulb_;
};

}  // namespace quorvane
