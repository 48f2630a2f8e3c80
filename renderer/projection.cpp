#include "projection.h"

#include "gl_headers.h"
#include "view_frustum.h"

void ResizeScene(int width, int height) {
  if (height == 0) height = 1;
  ProjectOnto({0, 0, width, height, static_cast<double>(width) / static_cast<double>(height)});
}

void ProjectOnto(const MonitorView& view) {
  glViewport(view.x, view.y, view.width, view.height);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(kFieldOfViewDegrees, view.aspect, kNearPlane, kFarPlane);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
}
