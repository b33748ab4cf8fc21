#include "tips/wininet_library_win.h"

#include "base/system_library_win.h"

namespace quorvane {
namespace {

template <typename Function>
bool Load(HMODULE library, const char* name, Function& function) {
  function = LibraryFunction<Function>(library, name);
  return function != nullptr;
}

}  // namespace

const WinInetFunctions* WinInet() {
  static const WinInetFunctions* const loaded = [] {
    static WinInetFunctions functions{};
    const HMODULE library = LoadSystemLibrary(L"wininet.dll");
    const bool complete = library && Load(library, "InternetCrackUrlW", functions.crackUrl) &&
                          Load(library, "InternetOpenW", functions.open) &&
                          Load(library, "InternetConnectW", functions.connect) &&
                          Load(library, "InternetSetOptionW", functions.setOption) &&
                          Load(library, "HttpOpenRequestW", functions.openRequest) &&
                          Load(library, "HttpSendRequestW", functions.sendRequest) &&
                          Load(library, "HttpQueryInfoW", functions.queryInfo) &&
                          Load(library, "InternetReadFile", functions.readFile) &&
                          Load(library, "InternetCloseHandle", functions.closeHandle);
    return complete ? &functions : nullptr;
  }();
  return loaded;
}

}  // namespace quorvane
