#pragma once

#include <windows.h>

#include <utility>

// Owns a kernel handle and closes it when it goes. The open calls disagree on how they fail
// (CreateFile gives INVALID_HANDLE_VALUE, most others null), so either counts as no handle.
class ScopedHandle {
 public:
  ScopedHandle() = default;
  explicit ScopedHandle(HANDLE handle) : handle_(handle) {}
  ~ScopedHandle() { Close(); }
  ScopedHandle(ScopedHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  ScopedHandle& operator=(ScopedHandle&& other) noexcept {
    if (this != &other) {
      Close();
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  ScopedHandle(const ScopedHandle&) = delete;
  ScopedHandle& operator=(const ScopedHandle&) = delete;

  bool valid() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }

  // Closes the handle now. False when the system refuses the close: for a written file that can
  // mean data never reached the disk, so a writer counts it as a failed write.
  bool Close() {
    if (!valid()) {
      handle_ = nullptr;
      return true;
    }
    return CloseHandle(std::exchange(handle_, nullptr)) != FALSE;
  }

 private:
  HANDLE handle_ = nullptr;
};
