#include "bitmap_win.h"
#include "shared_names.h"
#include "texture.h"

GLuint LoadTextures(ErrorBoxes showErrorBoxes) {
  const std::unique_ptr<ImageRecord> image =
      LoadBitmapFile(kWorkingBitmap, SystemBitmapServices(), showErrorBoxes);
  return image ? MakeTexture(*image) : 0;
}
