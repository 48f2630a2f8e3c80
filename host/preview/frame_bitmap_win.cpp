#include "preview/frame_bitmap_win.h"

#include "dib_section_win.h"

FrameBitmap::FrameBitmap(HWND window, SIZE size)
    : size_(size),
      target_(window),
      // Top row first, as the splatter writes them.
      bitmap_(CreateTopDownSection(size.cx, size.cy, reinterpret_cast<void**>(&bits_))),
      context_(nullptr),
      selection_(context_.dc(), bitmap_.get()) {
  if (bitmap_ && bits_ != nullptr) {
    pixels_ = {bits_, static_cast<std::size_t>(size.cx) * static_cast<std::size_t>(size.cy)};
  }
}

bool FrameBitmap::Show() const {
  if (!*this) return false;
  // The section's pixels were written by the program; the system must see all of them.
  GdiFlush();
  return BitBlt(target_.dc(), 0, 0, size_.cx, size_.cy, context_.dc(), 0, 0, SRCCOPY) != FALSE;
}
