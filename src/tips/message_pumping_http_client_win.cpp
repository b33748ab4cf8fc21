#include "tips/message_pumping_http_client_win.h"

#include <windows.h>

#include <exception>
#include <string>
#include <thread>

#include "base/unique_handle_win.h"

namespace quorvane {
namespace {

void DispatchPendingMessages(bool& quit, WPARAM& exitCode) {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      quit = true;
      exitCode = message.wParam;
      continue;
    }
    // Tab, Enter and Esc go on working in the program's visible windows.
    HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (root && IsWindowVisible(root) && IsDialogMessageW(root, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

}  // namespace

HttpResponse MessagePumpingHttpClient::Get(std::string_view url, std::size_t maxBodyBytes) {
  const UniqueKernelObject done(CreateEventW(nullptr, TRUE, FALSE, nullptr));
  if (!done) return worker_.Get(url, maxBodyBytes);

  HttpResponse response;
  std::exception_ptr failure;
  // A thread that cannot start throws here, on the caller's thread.
  std::thread download([&, address = std::string(url)] {
    // An exception must not end the thread: it is handed to the caller.
    try {
      response = worker_.Get(address, maxBodyBytes);
    } catch (...) {
      failure = std::current_exception();
    }
    SetEvent(done.Get());
  });
  bool quit = false;
  WPARAM exitCode = 0;
  HANDLE doneEvent = done.Get();
  while (MsgWaitForMultipleObjectsEx(1, &doneEvent, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE) ==
         WAIT_OBJECT_0 + 1)
    DispatchPendingMessages(quit, exitCode);
  download.join();
  // A quit that arrived meanwhile belongs to the outer message loop.
  if (quit) PostQuitMessage(static_cast<int>(exitCode));
  if (failure) std::rethrow_exception(failure);
  return response;
}

}  // namespace quorvane
