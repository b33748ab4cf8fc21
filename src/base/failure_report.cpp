#include "base/failure_report.h"

#include <new>

namespace quorvane {
namespace {

std::string Reason(const std::exception_ptr& failure) {
  try {
    std::rethrow_exception(failure);
  } catch (const std::bad_alloc&) {
    return "内存不足";
  } catch (const std::exception& error) {
    return error.what();
  } catch (...) {
  }
  return "未知错误";
}

bool g_reporting = false;

}  // namespace

std::string FailureText(std::string_view what, const std::exception_ptr& failure) {
  return std::string(what) + "出错：" + Reason(failure) + "。程序会继续运行。";
}

void ReportFailure(std::string_view what, MessageBoxes& boxes, const std::exception_ptr& failure) noexcept {
  if (g_reporting) return;
  g_reporting = true;
  try {
    boxes.Show(FailureText(what, failure));
  } catch (...) {
    // Out of memory even for the message: nothing more can be said.
  }
  g_reporting = false;
}

}  // namespace quorvane
