#include "forms/picture_making_win.h"

#include <cstdint>

#include "dib_section_win.h"
#include "forms/gdi_objects_win.h"

Picture PictureOfArt(const PixelArt& art) {
  void* bits = nullptr;
  // Top row first, as the art holds it.
  HBITMAP bitmap = CreateTopDownSection(art.width, art.height, &bits);
  if (bitmap == nullptr) return Picture();
  auto* out = static_cast<std::uint32_t*>(bits);
  for (std::size_t i = 0; i < art.pixels.size(); ++i) out[i] = SwapRedAndBlue(art.pixels[i]);
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
