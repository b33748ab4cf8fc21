#include "app/single_instance.h"

namespace quorvane {
namespace {

constexpr int kRounds = 40;
constexpr int kRoundMilliseconds = 250;

}  // namespace

StartDecision DecideStart(InstanceLock& lock) {
  if (lock.Take(0)) return StartDecision::Run;
  for (int round = 0; round < kRounds; ++round) {
    if (lock.AskRunningCopyToShow()) return StartDecision::HandOver;
    if (lock.Take(kRoundMilliseconds)) return StartDecision::Run;
  }
  return StartDecision::HandOver;
}

}  // namespace quorvane
