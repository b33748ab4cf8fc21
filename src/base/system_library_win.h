#pragma once
// Libraries loaded when first needed rather than imported: a start that does
// not need one does not pay for loading it.
#include <windows.h>

namespace quorvane {

// Loads a library from the system folder, never from beside the program or
// the current folder; null when it cannot be loaded. It stays loaded.
HMODULE LoadSystemLibrary(const wchar_t* name);

// An export of a loaded library as the function type given, or null.
template <typename Function>
Function LibraryFunction(HMODULE library, const char* name) {
  // GetProcAddress returns a generic FARPROC; the caller names the
  // documented signature.
  return library ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)))
                 : Function{};
}

// Fills `function` with the export; false when the library lacks it.
template <typename Function>
bool LoadFunction(HMODULE library, const char* name, Function& function) {
  function = LibraryFunction<Function>(library, name);
  return function != nullptr;
}

}  // namespace quorvane
