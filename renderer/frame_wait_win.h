#pragma once

#include <windows.h>

#include <chrono>
#include <cstdint>

#include "scoped_handle_win.h"

// The refresh rate of the display's current mode as the system reports it; 0 when it cannot be
// read.
std::uint32_t ReportedRefreshHertz();

// Holds the message loop back between frames without holding back its messages, so Escape and
// close requests are handled as soon as they arrive.
class FrameWait {
 public:
  FrameWait();
  ~FrameWait();
  FrameWait(const FrameWait&) = delete;
  FrameWait& operator=(const FrameWait&) = delete;

  // Returns once the time has passed or a message is waiting, whichever comes first.
  void ForMessageOr(std::chrono::microseconds time) const;
  // Returns once a message is waiting, however long that takes.
  void ForMessage() const;

 private:
  ScopedHandle timer_;
  bool finerSystemTimer_ = false;
};
