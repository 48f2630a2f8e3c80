#include "display_pace.h"

#include <ratio>
#include <thread>

void DisplayPace::WaitForNextFrame() {
  for (auto wait = pacer_.TimeToWait(); wait.count() > 0; wait = pacer_.TimeToWait()) {
    std::this_thread::sleep_for(wait);
  }
  pacer_.FrameBegins();
}

bool DisplayPace::SteadyClock::CounterFrequency(std::int64_t& ticksPerSecond) const {
  ticksPerSecond = std::nano::den;
  return true;
}

std::int64_t DisplayPace::SteadyClock::Counter() const {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

std::uint32_t DisplayPace::SteadyClock::Milliseconds() const {
  return static_cast<std::uint32_t>(Counter() / (std::nano::den / std::milli::den));
}
