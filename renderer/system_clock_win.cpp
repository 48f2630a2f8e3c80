#include "system_clock.h"

#include <windows.h>

#include <mmsystem.h>

bool SystemClock::CounterFrequency(std::int64_t& ticksPerSecond) const {
  LARGE_INTEGER frequency;
  if (!QueryPerformanceFrequency(&frequency)) return false;
  ticksPerSecond = frequency.QuadPart;
  return true;
}

std::int64_t SystemClock::Counter() const {
  LARGE_INTEGER count;
  QueryPerformanceCounter(&count);
  return count.QuadPart;
}

std::uint32_t SystemClock::Milliseconds() const { return timeGetTime(); }
