#pragma once

#include <windows.h>

#include <cstdint>

// Device-independent bitmaps as both programs and their tests make them. A 32-bit DIB holds a
// pixel as 0x00RRGGBB, the system's colour values (COLORREF) and the host's drawn pictures as
// 0x00BBGGRR.

enum class DibRows { kTopDown, kBottomUp };

// The header of an uncompressed DIB of width x height pixels; 32-bit rows top row first unless
// told otherwise.
inline BITMAPINFO DibHeader(int width, int height, WORD bitsPerPixel = 32,
                            DibRows rows = DibRows::kTopDown) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = rows == DibRows::kTopDown ? -height : height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = bitsPerPixel;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

// A 32-bit top-down DIB section, its pixels at *bits in rows of width pixels without padding;
// null when the size is empty or the system refuses it. No device context is needed for it.
inline HBITMAP CreateTopDownSection(int width, int height, void** bits, HDC dc = nullptr) {
  if (width <= 0 || height <= 0) return nullptr;
  const BITMAPINFO info = DibHeader(width, height);
  return CreateDIBSection(dc, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

// A 32-bit DIB pixel from a colour value, or back: red and blue change places.
constexpr std::uint32_t SwapRedAndBlue(std::uint32_t colour) {
  return ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
}
