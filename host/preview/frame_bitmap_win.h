#pragma once

#include <windows.h>

#include <cstdint>
#include <span>

#include "forms/gdi_objects_win.h"

// A picture whose pixels the program writes directly and the system copies to a window in one
// blit: a 32-bit top-down DIB section selected into a memory context. The window's context is
// held for the picture's life: under Wine, taking and giving it back for every frame costs as
// much as the copy itself.
class FrameBitmap {
 public:
  // Empty when the system refuses the section or a context.
  FrameBitmap(HWND window, SIZE size);
  FrameBitmap(const FrameBitmap&) = delete;
  FrameBitmap& operator=(const FrameBitmap&) = delete;

  explicit operator bool() const {
    return target_.dc() != nullptr && static_cast<bool>(selection_);
  }
  // width × height pixels 0x00RRGGBB, top row first.
  std::span<std::uint32_t> pixels() { return pixels_; }
  // Copies the picture to the window's top-left corner. False when the copy fails.
  bool Show() const;

 private:
  SIZE size_;
  WindowContext target_;
  std::uint32_t* bits_ = nullptr;  // the section's memory, owned by the section
  std::span<std::uint32_t> pixels_;
  GdiObject<HBITMAP> bitmap_;
  MemoryContext context_;
  SelectedObject selection_;
};
