#include "preview/frame_bitmap_win.h"

namespace {

constexpr WORD kBitsPerPixel = 32;

HBITMAP MakeSection(SIZE size, void** bits) {
  if (size.cx <= 0 || size.cy <= 0) return nullptr;
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = size.cx;
  info.bmiHeader.biHeight = -size.cy;  // top row first, as the splatter writes them
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = kBitsPerPixel;
  info.bmiHeader.biCompression = BI_RGB;
  return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

}  // namespace

FrameBitmap::FrameBitmap(HWND window, SIZE size)
    : size_(size),
      target_(window),
      bitmap_(MakeSection(size, reinterpret_cast<void**>(&bits_))),
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
