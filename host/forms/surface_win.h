#pragma once

#include <windows.h>

// An off-screen drawing surface: a memory device context with a bitmap of its own selected
// into it. What is drawn on it stays until it is drawn over, and reaches a window in one blit.
class Surface {
 public:
  Surface() = default;
  // A surface of the given size in the format of the given device context (the screen's when
  // null). Empty when the system refuses one.
  Surface(HDC compatibleWith, SIZE size);
  ~Surface();
  Surface(Surface&& other) noexcept;
  Surface& operator=(Surface&& other) noexcept;
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;

  explicit operator bool() const { return dc_ != nullptr; }
  HDC dc() const { return dc_; }
  SIZE size() const { return size_; }
  // Copies the whole surface to the target with its top left at (left, top).
  bool CopyTo(HDC target, int left, int top) const;

 private:
  void Release();

  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previousBitmap_ = nullptr;
  SIZE size_ = {0, 0};
};

// The persistent picture of a form or picture box: what is drawn on it stays until drawn over.
// A change of size starts it afresh, cleared to the background colour.
class PersistentImage {
 public:
  // The canvas at the given size; null when the system refuses one or the size is empty.
  HDC Fit(SIZE size, COLORREF background);
  bool CopyTo(HDC target, int left, int top) const { return surface_.CopyTo(target, left, top); }
  explicit operator bool() const { return static_cast<bool>(surface_); }

 private:
  Surface surface_;
};
