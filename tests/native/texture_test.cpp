#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "osmesa_canvas.h"
#include "texture.h"

namespace {

ImageRecord MakeRecord(int width, int height) {
  ImageRecord record;
  record.sizeX = width;
  record.sizeY = height;
  const std::size_t bytes = static_cast<std::size_t>(width) * height * 3;
  record.data = std::make_unique<std::uint8_t[]>(bytes);
  for (std::size_t i = 0; i < bytes; ++i) record.data[i] = static_cast<std::uint8_t>(i * 7 + 1);
  return record;
}

std::vector<std::uint8_t> BaseLevel(GLuint name, int width, int height) {
  std::vector<std::uint8_t> texels(static_cast<std::size_t>(width) * height * 3);
  glBindTexture(GL_TEXTURE_2D, name);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, texels.data());
  return texels;
}

GLint LevelParameter(GLenum parameter) {
  GLint value = 0;
  glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, parameter, &value);
  return value;
}

}  // namespace

// The host's picture is 64 by 64: it needs no scaling, so the base level is the picture itself.
TEST(MakeTexture, HostSizedPictureBecomesTheBaseLevelUnchangedWithLinearFilters) {
  OsMesaCanvas canvas(8, 8);
  const ImageRecord record = MakeRecord(64, 64);
  const GLuint name = MakeTexture(record);
  ASSERT_NE(name, 0u);
  GLint bound = 0;
  glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
  EXPECT_EQ(static_cast<GLuint>(bound), name);
  GLint mag = 0, min = 0;
  glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &mag);
  glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &min);
  EXPECT_EQ(mag, GL_LINEAR);
  EXPECT_EQ(min, GL_LINEAR);
  const std::vector<std::uint8_t> texels = BaseLevel(name, 64, 64);
  EXPECT_EQ(LevelParameter(GL_TEXTURE_WIDTH), 64);
  EXPECT_EQ(LevelParameter(GL_TEXTURE_HEIGHT), 64);
  EXPECT_TRUE(std::equal(texels.begin(), texels.end(), record.data.get()));
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

// Rows of one pixel are 3 bytes long; read with the default alignment of 4 they would shear.
TEST(MakeTexture, ReadsTightlyPackedRows) {
  OsMesaCanvas canvas(8, 8);
  const ImageRecord record = MakeRecord(1, 4);
  const GLuint name = MakeTexture(record);
  const std::vector<std::uint8_t> texels = BaseLevel(name, 1, 4);
  EXPECT_TRUE(std::equal(texels.begin(), texels.end(), record.data.get()));
}
