#include "base/shell_com_win.h"

#include <objbase.h>

#include "base/system_library_win.h"

namespace quorvane {
namespace {

using CoInitializeExFn = HRESULT(WINAPI*)(LPVOID, DWORD);
using CoUninitializeFn = void(WINAPI*)();

bool g_tried = false;
CoUninitializeFn g_uninitialize = nullptr;  // set once COM was initialised

}  // namespace

void PrepareComForShell() {
  if (g_tried) return;
  g_tried = true;
  const HMODULE ole32 = LoadSystemLibrary(L"ole32.dll");
  const auto initialize = LibraryFunction<CoInitializeExFn>(ole32, "CoInitializeEx");
  if (initialize && SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)))
    g_uninitialize = LibraryFunction<CoUninitializeFn>(ole32, "CoUninitialize");
}

ComForShellScope::~ComForShellScope() {
  if (g_uninitialize) g_uninitialize();
  g_uninitialize = nullptr;
}

}  // namespace quorvane
