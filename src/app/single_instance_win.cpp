#include "app/single_instance_win.h"

#include "app/single_instance.h"
#include "base/unique_handle_win.h"

namespace quorvane {
namespace {

constexpr wchar_t kLockName[] = L"Local\\Quorvane.Running";
constexpr wchar_t kMainWindowClass[] = L"QuorvaneMainWindow";
// The running copy answers from its message loop or from a box it shows; a
// copy that pumps no message for this long is treated as not there yet.
constexpr UINT kAnswerMilliseconds = 2000;

HANDLE g_heldLock = nullptr;

class SessionLock : public InstanceLock {
 public:
  SessionLock() : mutex_(CreateMutexW(nullptr, FALSE, kLockName)) {}

  bool Take(int milliseconds) override {
    // Without a lock to wait for, rather run twice than leave the user
    // without the reminder.
    if (!mutex_) return true;
    const DWORD result = WaitForSingleObject(mutex_.Get(), static_cast<DWORD>(milliseconds));
    return result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
  }

  bool AskRunningCopyToShow() override {
    HWND window = FindWindowW(kMainWindowClass, nullptr);
    if (!window) return false;
    // This start came from the user, so it may hand the foreground on.
    DWORD runningCopy = 0;
    GetWindowThreadProcessId(window, &runningCopy);
    AllowSetForegroundWindow(runningCopy);
    // Sent, not posted: a window destroyed before it read a posted message
    // would drop it, and both copies would end.
    DWORD_PTR answer = 0;
    return SendMessageTimeoutW(window, ShowMainWindowMessage(), 0, 0, SMTO_ABORTIFHUNG, kAnswerMilliseconds,
                               &answer) != 0 &&
           answer == kShowMainWindowAnswer;
  }

  // Held until LeaveTheOnlyCopy, or until the process ends.
  HANDLE Keep() { return mutex_.Release(); }

 private:
  UniqueKernelObject mutex_;
};

}  // namespace

UINT ShowMainWindowMessage() {
  static const UINT message = RegisterWindowMessageW(L"Quorvane.ShowMainWindow");
  return message;
}

bool BecomeTheOnlyCopy() {
  SessionLock lock;
  if (DecideStart(lock) != StartDecision::Run) return false;
  g_heldLock = lock.Keep();
  return true;
}

void LeaveTheOnlyCopy() {
  if (!g_heldLock) return;
  ReleaseMutex(g_heldLock);
  CloseHandle(g_heldLock);
  g_heldLock = nullptr;
}

}  // namespace quorvane
