#include "tips/wininet_library_win.h"

#include "base/system_library_win.h"

namespace quorvane {

const WinInetFunctions* WinInet() {
  static const WinInetFunctions* const loaded = [] {
    static WinInetFunctions functions{};
    const HMODULE library = LoadSystemLibrary(L"wininet.dll");
    const bool complete = library && LoadFunction(library, "InternetCrackUrlW", functions.crackUrl) &&
                          LoadFunction(library, "InternetOpenW", functions.open) &&
                          LoadFunction(library, "InternetConnectW", functions.connect) &&
                          LoadFunction(library, "InternetSetOptionW", functions.setOption) &&
                          LoadFunction(library, "HttpOpenRequestW", functions.openRequest) &&
                          LoadFunction(library, "HttpSendRequestW", functions.sendRequest) &&
                          LoadFunction(library, "HttpQueryInfoW", functions.queryInfo) &&
                          LoadFunction(library, "InternetReadFile", functions.readFile) &&
                          LoadFunction(library, "InternetCloseHandle", functions.closeHandle);
    return complete ? &functions : nullptr;
  }();
  return loaded;
}

}  // namespace quorvane
