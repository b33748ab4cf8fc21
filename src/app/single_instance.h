#pragma once
// One copy of the program per user session. A later start asks the running
// copy to show its main window and ends before it writes or shows anything.

namespace quorvane {

// The session-wide lock that the running copy holds, and the way to reach it.
class InstanceLock {
 public:
  virtual ~InstanceLock() = default;
  // Waits up to `milliseconds` for the lock; true when this process holds it
  // now. A copy that ended, even without letting go, leaves it free.
  virtual bool Take(int milliseconds) = 0;
  // Asks the running copy to show its main window; true once it answered.
  virtual bool AskRunningCopyToShow() = 0;
};

enum class StartDecision { Run, HandOver };

// Runs when no copy holds the lock or the one holding it ends meanwhile;
// hands over when the running copy answered. A copy that holds the lock but
// has no window yet is still starting (or ending): the new start waits for
// whichever comes first, a bounded number of rounds, and then leaves that
// copy alone rather than run twice.
StartDecision DecideStart(InstanceLock& lock);

}  // namespace quorvane
