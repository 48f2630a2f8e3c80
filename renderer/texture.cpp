#include "texture.h"

namespace {
constexpr GLint kRgbComponents = 3;
}  // namespace

GLuint MakeTexture(const ImageRecord& image) {
  GLuint name = 0;
  glGenTextures(1, &name);
  glBindTexture(GL_TEXTURE_2D, name);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  // The record's rows are tightly packed; the default alignment of 4 would skew odd widths.
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  // The builder scales other sizes to powers of two; with a linear minification filter only the
  // base level is ever sampled.
  gluBuild2DMipmaps(GL_TEXTURE_2D, kRgbComponents, image.sizeX, image.sizeY, GL_RGB,
                    GL_UNSIGNED_BYTE, image.data.get());
  return name;
}
