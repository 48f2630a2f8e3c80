#include "preview/flake_sprite_win.h"

#include <windows.h>

#include <cstdint>
#include <vector>

#include "dib_section_win.h"
#include "forms/gdi_objects_win.h"
#include "forms/picture_win.h"
#include "resource_ids.h"

FlakeSprite LoadFlakeSprite() {
  const Picture picture = LoadPictureResource(IDR_SNOW_PICTURE);
  if (!picture) return FlakeSprite(0, 0, {});
  const SIZE size = picture.size();
  if (size.cx <= 0 || size.cy <= 0) return FlakeSprite(0, 0, {});
  BITMAPINFO info = DibHeader(size.cx, size.cy);
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(size.cx) * size.cy);
  const ScreenContext screen;
  const int rows = GetDIBits(screen.dc(), picture.bitmap(), 0, static_cast<UINT>(size.cy),
                             pixels.data(), &info, DIB_RGB_COLORS);
  if (rows != size.cy) return FlakeSprite(0, 0, {});
  return FlakeSprite(size.cx, size.cy, pixels);
}
