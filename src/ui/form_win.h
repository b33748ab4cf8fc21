#pragma once
// One C++ object per window: the table of its controls, the window's own
// messages, and the keyboard handling that makes Tab, access keys, Enter and
// Esc work as in a dialog.
#include <windows.h>

#include <string>
#include <vector>

#include "base/unique_handle_win.h"
#include "ui/window_definition.h"
#include "ui/window_fit.h"

namespace quorvane {

class Form {
 public:
  explicit Form(const WindowDefinition& definition);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  bool IsLoaded() const { return window_ != nullptr; }
  HWND Handle() const { return window_; }
  HWND Control(int id) const;

  // Creates the window and its controls if it is not loaded yet, then runs
  // OnLoad. The window stays hidden.
  void Load();
  // Creates the hidden window alone, for a caller that needs its handle
  // before its controls; Load adds them later.
  void LoadFrame();
  bool HasControls() const { return hasControls_; }
  // Shows a loaded window without an owner and brings it to the front.
  void ShowModeless();
  void Hide();
  void Unload();

  // Routes keyboard messages of this window to the dialog manager.
  bool PreTranslateMessage(MSG& message);
  // The same for whichever loaded form the message is for, windows that
  // another window owns and opens included.
  static bool PreTranslateForAnyForm(MSG& message);

  // Called whenever any form is destroyed; lets the program end with its
  // last window.
  static void SetOnDestroy(void (*onDestroy)());
  static bool AnyLoaded();

 protected:
  virtual DWORD Style() const = 0;
  virtual DWORD ExStyle() const { return 0; }
  virtual HWND Owner() const { return nullptr; }
  // The title bar shows the small icon; Alt+Tab the big one.
  virtual HICON Icon() const { return nullptr; }
  virtual HICON SmallIcon() const { return nullptr; }
  // Places the sized window before it is first shown: centred on the screen
  // unless the window says otherwise.
  virtual void PlaceOnScreen();
  virtual void OnLoad() {}
  // Called once the controls are laid out, at the first load and after a
  // change of DPI.
  virtual void OnLayout() {}
  // Ticks check boxes, moves the tab stop to the chosen radio button and
  // takes Esc (IDCANCEL) as the close box: pass what you do not handle on.
  virtual void OnCommand(int id, int notification, HWND control);
  // The close box, Esc, Alt+F4 and WM_CLOSE; unloads by default.
  virtual void OnClose() { Unload(); }
  virtual void OnActivate(bool active, HWND other);
  virtual void OnDestroyed() {}
  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  int Dpi() const { return dpi_; }
  // The DPI the controls are laid out at: the window's, or less where the
  // window would not fit the work area at its designed size.
  int LayoutDpi() const { return layoutDpi_; }
  int Scale(int twips) const { return TwipsToPixels(twips, layoutDpi_); }
  // Moves the window there, or as near as it can lie inside the work area.
  void MoveOnScreen(PixelPoint wanted);
  // The outer size of the window for its designed client area at the
  // current DPI, or for the given one.
  SIZE WindowSize() const;
  SIZE WindowSize(PixelSize client) const;
  void SetCaption(int id, const std::wstring& text);
  // 0, 1 or 2 for the program's three-state check boxes.
  int CheckValue(int id) const;
  void SetCheckValue(int id, int value);
  // Chooses the radio button and gives its group's tab stop to it.
  void ChooseRadio(int id);

  const WindowDefinition& definition_;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void CreateControls();
  // Lays the controls out for the DPI and sizes the window: to the client
  // size kept from before where given, else to its designed size.
  void ApplyDpi(int dpi, const PixelSize* keptClient);
  HWND Host(int hostId) const;
  LRESULT DefaultButtonId() const;

  HWND window_ = nullptr;
  bool hasControls_ = false;
  HWND lastFocus_ = nullptr;
  std::string failureSubject_;  // how a failure box names the window
  int dpi_ = USER_DEFAULT_SCREEN_DPI;
  int layoutDpi_ = USER_DEFAULT_SCREEN_DPI;
  UniqueGdiObject font_;
};

}  // namespace quorvane
