#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include "app/application_win.h"
#include "app/single_instance_win.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // Before anything is written or shown: a second start only brings the
  // running copy's main window forward.
  if (!quorvane::BecomeTheOnlyCopy()) return 0;
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  // ShellExecute may hand web addresses and .chm files to handlers that are
  // COM objects, so the window thread initialises COM before any of it.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  int exitCode = 0;
  {
    quorvane::Application application;
    exitCode = application.Run();
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return exitCode;
}
