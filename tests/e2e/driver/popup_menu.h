// The program's open pop-up menu: its "#32768" window, its items and choosing
// one of them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace quorvane_e2e {

// Reads the captions of the program's open pop-up menu. Another process
// cannot read a menu's items, so this loads quorvane_menuhook.dll (from the
// driver's folder) into the program through a WH_CALLWNDPROC hook on the
// program's user-interface thread, which copies them out. The hook lives as
// long as this object.
class PopupMenuReader {
 public:
  // `programWindow`: any window of the program's user-interface thread.
  explicit PopupMenuReader(HWND programWindow);
  ~PopupMenuReader();
  PopupMenuReader(const PopupMenuReader&) = delete;
  PopupMenuReader& operator=(const PopupMenuReader&) = delete;

  // Captions of the menu shown by `menuWindow`, from the top.
  std::vector<std::string> Items(HWND menuWindow) const;

 private:
  void Release();

  HMODULE hookLibrary_ = nullptr;
  HHOOK hook_ = nullptr;
  HANDLE mapping_ = nullptr;
  void* view_ = nullptr;
};

// The visible pop-up menu window of the process now, or nullptr.
HWND FindPopupMenu(DWORD processId);
// Waits for one; throws when none appears.
HWND WaitForPopupMenu(DWORD processId);

// Chooses the item at `position` (from 0) with the keyboard: Down once more
// than the position, as no item is selected when a menu opens, then Enter.
// Keys posted to the menu window are what its modal loop reads reliably.
void ChooseMenuItem(HWND menuWindow, int position);

}  // namespace quorvane_e2e
