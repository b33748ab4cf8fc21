// Bounded waiting: every wait of the end-to-end tests polls a condition and
// gives up after a limit, so a program that misbehaves fails a test instead
// of hanging it.
#pragma once

#include <chrono>
#include <functional>

namespace quorvane_e2e {

// Long enough for a slow machine; a healthy run needs a fraction of it.
inline constexpr std::chrono::milliseconds kPatience{10'000};

// Polls `condition` until it holds (true) or `limit` has passed (false).
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit = kPatience);

}  // namespace quorvane_e2e
