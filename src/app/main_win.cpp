#include <windows.h>

#include "app/application_win.h"
#include "app/single_instance_win.h"
#include "base/shell_com_win.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // Before anything is written or shown: a second start only brings the
  // running copy's main window forward.
  if (!quorvane::BecomeTheOnlyCopy()) return 0;
  // COM starts with the first shell call, if there is one; it ends here.
  const quorvane::ComForShellScope com;
  quorvane::Application application;
  return application.Run();
}
