#include "keys.h"

namespace quorvane_e2e {
namespace {

constexpr LPARAM kRepeatOnce = 1;
constexpr LPARAM kAltDown = 1 << 29;
constexpr LPARAM kReleased = (1u << 30) | (1u << 31);

}  // namespace

void PostKey(HWND window, UINT virtualKey) {
  PostMessageW(window, WM_KEYDOWN, virtualKey, kRepeatOnce);
  PostMessageW(window, WM_KEYUP, virtualKey, kRepeatOnce | kReleased);
}

void PostAltLetter(HWND window, wchar_t letter) {
  PostMessageW(window, WM_SYSCHAR, letter, kRepeatOnce | kAltDown);
}

}  // namespace quorvane_e2e
