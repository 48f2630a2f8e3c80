#pragma once

#include <windows.h>

#include <optional>

#include "forms/gdi_objects_win.h"

// An off-screen drawing surface: a memory device context with a bitmap of its own selected
// into it. What is drawn on it stays until it is drawn over, and reaches a window in one blit.
class Surface {
 public:
  // A surface of the given size in the format of the given device context (the screen's when
  // null). Empty when the system refuses one.
  Surface(HDC compatibleWith, SIZE size);
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;

  explicit operator bool() const { return static_cast<bool>(selection_); }
  HDC dc() const { return context_.dc(); }
  SIZE size() const { return size_; }
  // Copies the whole surface to the target with its top left at (left, top).
  bool CopyTo(HDC target, int left, int top) const;

 private:
  // Released in reverse: the bitmap is put out of the context before either is deleted.
  MemoryContext context_;
  OwnedBitmap bitmap_;
  SelectedObject selection_;
  SIZE size_;
};

// The persistent picture of a form, picture box or button face: what is drawn on it stays until
// drawn over. A change of size starts it afresh, cleared to the background colour.
class PersistentImage {
 public:
  // The canvas at the given size; null when the system refuses one or the size is empty.
  HDC Fit(SIZE size, COLORREF background);
  bool CopyTo(HDC target, int left, int top) const {
    return surface_ && surface_->CopyTo(target, left, top);
  }
  explicit operator bool() const { return surface_.has_value(); }

 private:
  std::optional<Surface> surface_;
};
