#include "frame_wait_win.h"

#include <mmsystem.h>

namespace {

// CREATE_WAITABLE_TIMER_HIGH_RESOLUTION, which MinGW's headers lack. Windows before 10 version
// 1803 refuses it.
constexpr DWORD kHighResolutionTimer = 0x00000002;
constexpr UINT kSystemTimerPeriodMs = 1;
constexpr LONGLONG kHundredNanosecondsPerMicrosecond = 10;

}  // namespace

std::uint32_t ReportedRefreshHertz() {
  DEVMODEW mode = {};
  mode.dmSize = sizeof(mode);
  if (!EnumDisplaySettingsW(nullptr, ENUM_CURRENT_SETTINGS, &mode)) return 0;
  return mode.dmDisplayFrequency;
}

FrameWait::FrameWait()
    : timer_(CreateWaitableTimerExW(nullptr, nullptr, kHighResolutionTimer, TIMER_ALL_ACCESS)) {
  if (timer_.valid()) return;
  // NOTE: an ordinary timer fires on the system tick, 15.6 ms by default, which would cost every
  // other frame; a 1 ms tick makes it fine enough.
  finerSystemTimer_ = timeBeginPeriod(kSystemTimerPeriodMs) == TIMERR_NOERROR;
  timer_ = ScopedHandle(CreateWaitableTimerExW(nullptr, nullptr, 0, TIMER_ALL_ACCESS));
}

// The timer made after the finer tick goes before it.
FrameWait::~FrameWait() {
  timer_.Close();
  if (finerSystemTimer_) timeEndPeriod(kSystemTimerPeriodMs);
}

void FrameWait::ForMessageOr(std::chrono::microseconds time) const {
  LARGE_INTEGER due;
  due.QuadPart = -time.count() * kHundredNanosecondsPerMicrosecond;  // negative: from now
  if (timer_.valid() && SetWaitableTimer(timer_.get(), &due, 0, nullptr, nullptr, FALSE)) {
    const HANDLE timer = timer_.get();
    MsgWaitForMultipleObjectsEx(1, &timer, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    return;
  }
  // Without a timer the wait's own timeout serves, in whole milliseconds rounded up.
  const auto milliseconds = std::chrono::ceil<std::chrono::milliseconds>(time);
  MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(milliseconds.count()), QS_ALLINPUT,
                              MWMO_INPUTAVAILABLE);
}

void FrameWait::ForMessage() const {
  MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}
