#pragma once
// A C++ exception must not leave a window procedure, a hook or a thread: it
// would end the program without a word. Each such edge runs its handler
// through RunReportingFailure, which tells the user what failed and lets the
// program go on.
#include <exception>
#include <string>
#include <string_view>

#include "base/message_boxes.h"

namespace quorvane {

// "<what>出错：<reason>。程序会继续运行。" for the exception being handled.
std::string FailureText(std::string_view what, const std::exception_ptr& failure);

// Shows FailureText in a box. A failure while such a box is already up (a
// handler that fails on every paint, say) is dropped rather than stacking
// boxes without end.
void ReportFailure(std::string_view what, MessageBoxes& boxes, const std::exception_ptr& failure) noexcept;

// Runs the handler; returns false when it threw, after the box was shown.
template <typename Handler>
bool RunReportingFailure(std::string_view what, MessageBoxes& boxes, Handler&& handler) noexcept {
  try {
    handler();
    return true;
  } catch (...) {
    ReportFailure(what, boxes, std::current_exception());
    return false;
  }
}

}  // namespace quorvane
