#pragma once
// COM on the window thread, started just before its first shell call rather
// than at start. ShellExecute may hand web addresses and .chm files to
// handlers that are COM objects, and the file dialogs and the known folders
// may use COM too; most starts make none of these calls, so ole32 is loaded
// only then.

namespace quorvane {

// Initialises COM on the calling thread (apartment-threaded, without OLE1
// DDE) the first time it is called; later calls do nothing. Called on the
// window thread only.
void PrepareComForShell();

// Ends COM on the window thread at the end of its scope, if a shell call
// started it.
class ComForShellScope {
 public:
  ComForShellScope() = default;
  ~ComForShellScope();
  ComForShellScope(const ComForShellScope&) = delete;
  ComForShellScope& operator=(const ComForShellScope&) = delete;
};

}  // namespace quorvane
