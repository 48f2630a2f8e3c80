// The flakes' GL half: each flake one textured square in immediate mode.
#include "gl_headers.h"
#include "snow_flake.h"

namespace {

class GlFlakeDrawer final : public FlakeDrawer {
 public:
  void Draw(const SnowFlake& flake) override { flake.Draw(); }
};

}  // namespace

void SnowFlake::Draw() const {
  const float h = halfSize;
  const float x = position.x;
  const float y = position.y;
  const float z = position.z;
  glColor4fv(&colour.r);
  glBegin(GL_QUADS);
  glTexCoord2i(1, 1);
  glVertex3f(x + h, y + h, z);
  glTexCoord2i(0, 1);
  glVertex3f(x - h, y + h, z);
  glTexCoord2i(0, 0);
  glVertex3f(x - h, y - h, z);
  glTexCoord2i(1, 0);
  glVertex3f(x + h, y - h, z);
  glEnd();
}

void FlakeList::UpdateAndDraw(float total, float delta) {
  GlFlakeDrawer drawer;
  UpdateAndDraw(total, delta, drawer);
}
