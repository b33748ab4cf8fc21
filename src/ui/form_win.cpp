#include "ui/form_win.h"

#include <commctrl.h>

#include <algorithm>

#include "base/failure_report.h"
#include "base/message_boxes_win.h"
#include "base/text_win.h"
#include "ui/day_grid_win.h"
#include "ui/dialog_placement.h"
#include "ui/dpi_win.h"
#include "ui/line_chart_win.h"
#include "ui/picture_box_win.h"
#include "ui/window_fit.h"

namespace quorvane {
namespace {

std::vector<Form*> g_loadedForms;
void (*g_onDestroy)() = nullptr;

// The system's message font at the given DPI, set explicitly on every
// control: a control without a font gets the old bitmap "System" font.
HFONT CreateMessageFont(int dpi) {
  NONCLIENTMETRICSW metrics{sizeof(metrics)};
  if (!NonClientMetricsForDpi(metrics, static_cast<UINT>(dpi))) return nullptr;
  return CreateFontIndirectW(&metrics.lfMessageFont);
}

struct ControlStyle {
  const wchar_t* className;
  DWORD style;
  DWORD exStyle;
};

ControlStyle StyleFor(const PlacedControl& placed) {
  const ControlDefinition& control = *placed.definition;
  const DWORD tabStop = placed.tabStop ? WS_TABSTOP : 0;
  switch (control.kind) {
    case ControlKind::CheckBox:
      // Three states, toggled by the form: a click never makes the box grey.
      return {WC_BUTTONW, BS_3STATE | tabStop, 0};
    case ControlKind::RadioButton:
      return {WC_BUTTONW, BS_AUTORADIOBUTTON | tabStop, 0};
    case ControlKind::PushButton:
      return {
          WC_BUTTONW,
          static_cast<DWORD>((control.flags & kDefaultButton) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | tabStop,
          0};
    case ControlKind::TextBox:
      return {WC_EDITW, ES_AUTOHSCROLL | tabStop, WS_EX_CLIENTEDGE};
    case ControlKind::Label:
      return {WC_STATICW, SS_LEFT, 0};
    case ControlKind::Frame:
      return {WC_BUTTONW, BS_GROUPBOX, 0};
    case ControlKind::PictureBox:
      return {kPictureBoxClass, WS_CLIPCHILDREN,
              static_cast<DWORD>((control.flags & kSunken) ? WS_EX_CLIENTEDGE : 0)};
    case ControlKind::DayGrid:
      return {kDayGridClass, tabStop, WS_EX_CLIENTEDGE};
    case ControlKind::LineChart:
      return {kLineChartClass, 0, 0};
  }
  return {WC_STATICW, 0, 0};
}

// The control classes once, before the first control is made rather than at
// start: the reminder and the tray icon come before any control.
void PrepareCommonControls() {
  static bool prepared = false;
  if (prepared) return;
  prepared = true;
  const INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  RegisterPictureBoxClass();
  RegisterDayGridClass();
  RegisterLineChartClass();
}

PixelRect WorkAreaOf(HWND window) {
  MONITORINFO monitor{sizeof(monitor)};
  if (!GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor))
    return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  return {monitor.rcWork.left, monitor.rcWork.top, monitor.rcWork.right, monitor.rcWork.bottom};
}

}  // namespace

Form::Form(const WindowDefinition& definition)
    : definition_(definition), failureSubject_("“" + std::string(definition.caption) + "”窗口") {}

Form::~Form() {
  if (window_) DestroyWindow(window_);
}

void Form::SetOnDestroy(void (*onDestroy)()) { g_onDestroy = onDestroy; }
bool Form::AnyLoaded() { return !g_loadedForms.empty(); }

HWND Form::Control(int id) const {
  if (!window_) return nullptr;
  const ControlDefinition* control = FindControl(definition_, id);
  if (!control) return nullptr;
  return GetDlgItem(Host(HostOf(definition_, *control)), id);
}

HWND Form::Host(int hostId) const { return hostId == 0 ? window_ : Control(hostId); }

void Form::Load() {
  LoadFrame();
  if (!window_ || hasControls_) return;
  hasControls_ = true;
  PrepareCommonControls();
  CreateControls();
  ApplyDpi(static_cast<int>(DpiForWindow(window_)), nullptr);
  PlaceOnScreen();
  OnLoad();
}

void Form::LoadFrame() {
  if (window_) return;
  hasControls_ = false;
  const std::wstring className = Widen(definition_.className);
  WNDCLASSEXW windowClass{sizeof(windowClass)};
  if (!GetClassInfoExW(GetModuleHandleW(nullptr), className.c_str(), &windowClass)) {
    windowClass = {sizeof(windowClass)};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = className.c_str();
    RegisterClassExW(&windowClass);
  }
  CreateWindowExW(ExStyle(), className.c_str(), Widen(definition_.caption).c_str(), Style(), 0, 0, 0, 0,
                  Owner(), nullptr, GetModuleHandleW(nullptr), this);
  if (!window_) return;
  if (HICON icon = Icon()) SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  if (HICON icon = SmallIcon()) SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

void Form::CreateControls() {
  for (const PlacedControl& placed : CreationOrder(definition_)) {
    const ControlDefinition* control = placed.definition;
    const ControlStyle style = StyleFor(placed);
    const DWORD group = placed.startsGroup ? WS_GROUP : 0;
    HWND created = CreateWindowExW(
        style.exStyle, style.className, Widen(control->caption).c_str(),
        WS_CHILD | WS_VISIBLE | group | style.style, 0, 0, 0, 0, Host(placed.hostId),
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(control->id)), GetModuleHandleW(nullptr), nullptr);
    if (control->kind == ControlKind::TextBox)
      SendMessageW(created, EM_SETLIMITTEXT, 0, 0);  // no length limit beyond the system's
    if (control->kind == ControlKind::CheckBox || control->kind == ControlKind::RadioButton)
      SendMessageW(created, BM_SETCHECK, static_cast<WPARAM>(control->initialValue), 0);
    if (control->kind == ControlKind::PictureBox)
      SetWindowLongPtrW(created, kPictureBoxWhiteSlot, (control->flags & kWhite) ? 1 : 0);
  }
}

void Form::ApplyDpi(int dpi, const PixelSize* keptClient) {
  dpi_ = dpi;
  // What does not fit the work area at its designed size is laid out
  // smaller; the title bar and frame keep the window's DPI.
  const PixelRect work = WorkAreaOf(window_);
  const SIZE frame = WindowSize(PixelSize{0, 0});
  const PixelSize available{work.right - work.left - frame.cx, work.bottom - work.top - frame.cy};
  layoutDpi_ = quorvane::LayoutDpi(definition_, dpi, available);
  font_.Reset(CreateMessageFont(layoutDpi_));
  const auto font = reinterpret_cast<WPARAM>(font_.Get());
  for (const PlacedControl& placed : CreationOrder(definition_)) {
    const ControlDefinition& control = *placed.definition;
    HWND child = Control(control.id);
    if (!child) continue;
    SendMessageW(child, WM_SETFONT, font, FALSE);
    int width = Scale(control.width), height = Scale(control.height);
    if (control.flags & kAutoSize) {
      // An auto-sized label follows its caption in the font it shows.
      HDC dc = GetDC(child);
      const HGDIOBJ previous = SelectObject(dc, font_.Get());
      const std::wstring caption = Widen(control.caption);
      SIZE extent{};
      GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
      SelectObject(dc, previous);
      ReleaseDC(child, dc);
      width = extent.cx, height = extent.cy;
    }
    SetWindowPos(child, nullptr, Scale(placed.left), Scale(placed.top), width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  const PixelSize client = keptClient
                               ? PixelSize{std::min(keptClient->width, available.width),
                                           std::min(keptClient->height, available.height)}
                               : PixelSize{Scale(definition_.clientWidth), Scale(definition_.clientHeight)};
  const SIZE size = WindowSize(client);
  SetWindowPos(window_, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  OnLayout();
}

SIZE Form::WindowSize() const {
  return WindowSize({Scale(definition_.clientWidth), Scale(definition_.clientHeight)});
}

SIZE Form::WindowSize(PixelSize client) const {
  RECT rect{0, 0, client.width, client.height};
  AdjustWindowRectForDpi(rect, Style(), ExStyle(), static_cast<UINT>(dpi_));
  return {rect.right - rect.left, rect.bottom - rect.top};
}

void Form::PlaceOnScreen() {
  // Centred on the screen, taskbar included: not on the work area.
  const SIZE size = WindowSize();
  const Origin origin =
      CentredOrigin(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), size.cx, size.cy);
  MoveOnScreen({origin.left, origin.top});
}

void Form::MoveOnScreen(PixelPoint wanted) {
  RECT rect{};
  GetWindowRect(window_, &rect);
  // Never with the title bar off the screen.
  const PixelPoint at =
      ClampToWorkArea(wanted, {rect.right - rect.left, rect.bottom - rect.top}, WorkAreaOf(window_));
  SetWindowPos(window_, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::ShowModeless() {
  if (!window_) return;
  const bool wasVisible = IsWindowVisible(window_);
  ShowWindow(window_, IsIconic(window_) ? SW_RESTORE : SW_SHOW);
  SetForegroundWindow(window_);
  if (!wasVisible && !lastFocus_) {
    // The first control in tab order has the focus when a window opens.
    if (HWND first = GetNextDlgTabItem(window_, nullptr, FALSE)) SetFocus(first);
  }
}

void Form::Hide() {
  if (window_) ShowWindow(window_, SW_HIDE);
}

void Form::Unload() {
  if (window_) DestroyWindow(window_);
}

bool Form::PreTranslateMessage(MSG& message) {
  if (!window_ || !IsWindowVisible(window_)) return false;
  if (message.hwnd != window_ && !IsChild(window_, message.hwnd)) return false;
  return IsDialogMessageW(window_, &message) != FALSE;
}

bool Form::PreTranslateForAnyForm(MSG& message) {
  for (Form* form : g_loadedForms)
    if (form->PreTranslateMessage(message)) return true;
  return false;
}

void Form::SetCaption(int id, const std::wstring& text) {
  if (HWND control = Control(id)) SetWindowTextW(control, text.c_str());
}

int Form::CheckValue(int id) const { return static_cast<int>(SendMessageW(Control(id), BM_GETCHECK, 0, 0)); }

void Form::SetCheckValue(int id, int value) {
  SendMessageW(Control(id), BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void Form::OnCommand(int id, int notification, HWND) {
  if (id == IDCANCEL && notification == BN_CLICKED) return OnClose();  // Esc: as the close box
  const ControlDefinition* control = FindControl(definition_, id);
  if (control && control->kind == ControlKind::CheckBox && notification == BN_CLICKED) {
    // Ticked becomes clear; clear or grey becomes ticked.
    SetCheckValue(id, CheckValue(id) == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
  }
  if (control && control->kind == ControlKind::RadioButton && notification == BN_CLICKED) ChooseRadio(id);
}

void Form::ChooseRadio(int id) {
  // Tab comes back into the group on the chosen button.
  for (const int member : RadioGroup(definition_, id)) {
    HWND button = Control(member);
    const LONG_PTR style = GetWindowLongPtrW(button, GWL_STYLE);
    SetWindowLongPtrW(button, GWL_STYLE, member == id ? style | WS_TABSTOP : style & ~WS_TABSTOP);
    SendMessageW(button, BM_SETCHECK, member == id ? BST_CHECKED : BST_UNCHECKED, 0);
  }
}

void Form::OnActivate(bool active, HWND) {
  // Keep the focus where the user left it, as a dialog does.
  if (!active) {
    HWND focus = GetFocus();
    if (focus && IsChild(window_, focus)) lastFocus_ = focus;
  } else if (lastFocus_ && IsWindow(lastFocus_)) {
    SetFocus(lastFocus_);
  }
}

LRESULT Form::DefaultButtonId() const {
  // Enter presses the focused push button, otherwise the default button.
  HWND focus = GetFocus();
  if (focus && IsChild(window_, focus) &&
      (SendMessageW(focus, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)))
    return MAKELRESULT(GetDlgCtrlID(focus), DC_HASDEFID);
  for (const ControlDefinition& control : definition_.controls)
    if (control.flags & kDefaultButton) return MAKELRESULT(control.id, DC_HASDEFID);
  return 0;
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_ACTIVATE:
      OnActivate(LOWORD(wParam) != WA_INACTIVE, reinterpret_cast<HWND>(lParam));
      return 0;
    case DM_GETDEFID:
      return DefaultButtonId();
    case WM_NEXTDLGCTL: {
      // The dialog manager asks for this on a label's access key and on the
      // arrow keys; outside a dialog nobody else moves the focus.
      HWND focus = GetFocus();
      HWND next = LOWORD(lParam)
                      ? reinterpret_cast<HWND>(wParam)
                      : GetNextDlgTabItem(window_, IsChild(window_, focus) ? focus : nullptr, wParam != 0);
      if (next && IsChild(window_, next)) {
        if (SendMessageW(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessageW(next, EM_SETSEL, 0, -1);
        SetFocus(next);
      }
      return 0;
    }
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
      // The colours or high contrast may have changed: the controls hear of
      // it, and all is drawn again with the colours of now.
      if (message == WM_SYSCOLORCHANGE)
        EnumChildWindows(
            window_,
            [](HWND child, LPARAM) {
              SendMessageW(child, WM_SYSCOLORCHANGE, 0, 0);
              return TRUE;
            },
            0);
      RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
      break;
    case WM_DPICHANGED: {
      // A size the user gave the window goes with it to the new DPI.
      RECT client{};
      GetClientRect(window_, &client);
      const int newDpi = HIWORD(wParam);
      const bool resizable = (Style() & WS_THICKFRAME) != 0;
      const PixelSize kept =
          ClientSizeAfterDpiChange(definition_, resizable, {client.right, client.bottom}, dpi_, newDpi);
      // First where Windows suggests, so that the window is fitted to the
      // work area of the screen it moved to.
      const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(window_, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                   suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
      ApplyDpi(newDpi, resizable ? &kept : nullptr);
      MoveOnScreen({suggested->left, suggested->top});
      return 0;
    }
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

LRESULT CALLBACK Form::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Form* form = reinterpret_cast<Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_NCCREATE) {
    form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    form->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    g_loadedForms.push_back(form);
  }
  if (!form) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    form->window_ = nullptr;
    form->lastFocus_ = nullptr;
    std::erase(g_loadedForms, form);
    form->OnDestroyed();
    if (g_onDestroy) g_onDestroy();
    return DefWindowProcW(window, message, wParam, lParam);
  }
  // No exception may pass back into the system's code.
  LRESULT result = 0;
  WindowMessageBoxes boxes(window);
  RunReportingFailure(form->failureSubject_, boxes,
                      [&] { result = form->HandleMessage(message, wParam, lParam); });
  return result;
}

}  // namespace quorvane
