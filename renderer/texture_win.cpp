#include "bitmap_win.h"
#include "renderer_state.h"
#include "shared_names.h"
#include "texture.h"

bool LoadTextures() {
  const std::unique_ptr<ImageRecord> image = LoadBitmapFile(kWorkingBitmap);
  if (image) textureName = MakeTexture(*image);
  return true;
}
