#include "forms/picture_making_win.h"

#include <cstdint>

#include "forms/gdi_objects_win.h"

Picture PictureOfArt(const PixelArt& art) {
  if (art.width <= 0 || art.height <= 0) return Picture();
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = art.width;
  info.bmiHeader.biHeight = -art.height;  // top row first, as the art holds it
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap == nullptr) return Picture();
  auto* out = static_cast<std::uint32_t*>(bits);
  for (std::size_t i = 0; i < art.pixels.size(); ++i) {
    const std::uint32_t bgr = art.pixels[i];  // 0x00BBGGRR to the bitmap's 0x00RRGGBB
    out[i] = ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
  }
  return Picture(bitmap);
}

Picture SmoothlyScaled(const Picture& picture, SIZE size) {
  const SIZE from = picture.size();
  if (!picture || size.cx <= 0 || size.cy <= 0) return Picture();
  const ScreenContext screen;
  Picture scaled(CreateCompatibleBitmap(screen.dc(), size.cx, size.cy));
  if (!scaled) return Picture();
  MemoryContext source(screen.dc());
  MemoryContext target(screen.dc());
  if (!source || !target) return Picture();
  const SelectedObject sourceImage(source.dc(), picture.bitmap());
  const SelectedObject targetImage(target.dc(), scaled.bitmap());
  SetStretchBltMode(target.dc(), HALFTONE);
  SetBrushOrgEx(target.dc(), 0, 0, nullptr);  // as HALFTONE asks
  if (!StretchBlt(target.dc(), 0, 0, size.cx, size.cy, source.dc(), 0, 0, from.cx, from.cy,
                  SRCCOPY))
    return Picture();
  return scaled;
}
