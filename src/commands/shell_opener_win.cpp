#include "commands/shell_opener_win.h"

#include <shellapi.h>

#include "base/shell_com_win.h"
#include "base/text_win.h"

namespace quorvane {

void WindowShellOpener::Open(std::string_view target) {
  PrepareComForShell();
  ShellExecuteW(window_, L"open", Widen(target).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace quorvane
