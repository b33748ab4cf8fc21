// The program's pop-up menus: their "#32768" windows, their items, and
// choosing one of them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace quorvane_e2e {

// Reads and chooses the items of the program's open pop-up menu. Another
// process cannot read a menu's items, so this loads quorvane_menuhook.dll
// (from the driver's folder) into the program through hooks on the program's
// user-interface thread, which copy them out. The hooks live as long as this
// object.
class PopupMenuHook {
 public:
  // `programWindow`: any window of the program's user-interface thread.
  explicit PopupMenuHook(HWND programWindow);
  ~PopupMenuHook();
  PopupMenuHook(const PopupMenuHook&) = delete;
  PopupMenuHook& operator=(const PopupMenuHook&) = delete;

  // How many pop-up menu windows the program has opened and closed so far.
  unsigned MenusOpened() const;
  unsigned MenusClosed() const;

  // Captions of the menu shown by `menuWindow`, from the top.
  std::vector<std::string> Items(HWND menuWindow) const;

  // Chooses the item at `position` (from 0) with the keyboard: Down until the
  // menu has selected it, then Enter; waits until the menu has closed.
  // Returns the item that was selected when the menu took the Enter key
  // (what it then carried out), -1 for none, or kClosedBeforeEnter.
  static constexpr int kClosedBeforeEnter = -2;
  int Choose(HWND menuWindow, int position) const;

 private:
  struct Snapshot {
    std::vector<std::string> items;
    int selected = -1;
  };
  Snapshot Read(HWND menuWindow) const;
  void Release();

  HMODULE hookLibrary_ = nullptr;
  HHOOK callWndProcHook_ = nullptr;
  HHOOK messageFilterHook_ = nullptr;
  HANDLE mapping_ = nullptr;
  void* view_ = nullptr;
};

// The visible pop-up menu window of the process now, or nullptr.
HWND FindPopupMenu(DWORD processId);

}  // namespace quorvane_e2e
