#include "bitmap_win.h"
#include "shared_names.h"
#include "texture.h"

GLuint LoadTextures() {
  const std::unique_ptr<ImageRecord> image = LoadBitmapFile(kWorkingBitmap);
  return image ? MakeTexture(*image) : 0;
}
