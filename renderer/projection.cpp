#include "projection.h"

#include "gl_headers.h"

namespace {
constexpr double kFieldOfViewDegrees = 45.0;
constexpr double kNearPlane = static_cast<double>(0.1f);
constexpr double kFarPlane = 5000.0;
}  // namespace

void ResizeScene(int width, int height) {
  if (height == 0) height = 1;
  glViewport(0, 0, width, height);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(kFieldOfViewDegrees, static_cast<double>(width) / static_cast<double>(height),
                 kNearPlane, kFarPlane);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
}
