#pragma once
// WinINet, loaded from the system folder the first time an update runs
// rather than imported: most starts never download anything.
#include <windows.h>

#include <wininet.h>

namespace quorvane {

struct WinInetFunctions {
  decltype(&InternetCrackUrlW) crackUrl;
  decltype(&InternetOpenW) open;
  decltype(&InternetConnectW) connect;
  decltype(&InternetSetOptionW) setOption;
  decltype(&HttpOpenRequestW) openRequest;
  decltype(&HttpSendRequestW) sendRequest;
  decltype(&HttpQueryInfoW) queryInfo;
  decltype(&InternetReadFile) readFile;
  decltype(&InternetCloseHandle) closeHandle;
};

// Null when the library or one of its functions cannot be loaded. Any thread
// may ask.
const WinInetFunctions* WinInet();

}  // namespace quorvane
