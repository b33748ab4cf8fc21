#include <windows.h>

#include <commctrl.h>

#include "app/application_win.h"
#include "app/single_instance_win.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // Before anything is written or shown: a second start only brings the
  // running copy's main window forward.
  if (!quorvane::BecomeTheOnlyCopy()) return 0;
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  quorvane::Application application;
  return application.Run();
}
