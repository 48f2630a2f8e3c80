#pragma once

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>

// Waiting in the e2e tests is always bounded: poll a condition until it holds or time runs out,
// so a slow machine only makes a test slower and a broken program makes it fail, never hang.
class Deadline {
 public:
  using Clock = std::chrono::steady_clock;

  explicit Deadline(Clock::duration timeout) : end_(Clock::now() + timeout) {}
  bool Passed() const { return Clock::now() >= end_; }
  Clock::duration Remaining() const {
    const auto left = end_ - Clock::now();
    return left > Clock::duration::zero() ? left : Clock::duration::zero();
  }
  // Whole milliseconds left, for Win32 waits.
  DWORD RemainingMilliseconds() const {
    return static_cast<DWORD>(std::chrono::ceil<std::chrono::milliseconds>(Remaining()).count());
  }

 private:
  Clock::time_point end_;
};

// True as soon as condition() is true; false if it is still false when the timeout has passed.
// The condition is checked once more when the deadline is reached, so a last-moment success
// counts.
template <class Condition>
bool PollUntil(Deadline::Clock::duration timeout, Condition condition,
               std::chrono::milliseconds interval = std::chrono::milliseconds(50)) {
  const Deadline deadline(timeout);
  for (;;) {
    if (condition()) return true;
    if (deadline.Passed()) return false;
    const DWORD nap = static_cast<DWORD>(interval.count());
    const DWORD left = deadline.RemainingMilliseconds();
    Sleep(nap < left ? nap : left);
  }
}

// True when condition() holds at every check over the whole period; false as soon as it fails,
// so a program that gives up early fails the test at once instead of after a fixed wait.
template <class Condition>
bool HoldsThroughout(Deadline::Clock::duration period, Condition condition,
                     std::chrono::milliseconds interval = std::chrono::milliseconds(50)) {
  return !PollUntil(
      period, [&] { return !condition(); }, interval);
}

// The time since start, printed as "what: N ms" for the figures README quotes, and returned.
inline std::chrono::milliseconds PrintElapsed(const std::string& what,
                                              Deadline::Clock::time_point start) {
  const auto elapsed =
      std::chrono::duration_cast<std::chrono::milliseconds>(Deadline::Clock::now() - start);
  std::printf("%s: %lld ms\n", what.c_str(), static_cast<long long>(elapsed.count()));
  return elapsed;
}
