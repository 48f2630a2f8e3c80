#include "render_frame.h"

#include "flake_batch.h"
#include "projection.h"
#include "renderer_state.h"
#include "snow_batch.h"
#include "snow_flake.h"

namespace {

// Every living flake once more, as it stands after this frame's move.
void DrawFlakesAgain(const FlakeList& flakes) {
  for (const SnowFlake* flake = flakes.head; flake != nullptr; flake = flake->next) {
    flake->Draw();
  }
}

}  // namespace

void InitRenderState(const RendererState& state) {
  glShadeModel(GL_SMOOTH);
  glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
  glHint(GL_POINT_SMOOTH_HINT, GL_NICEST);
  glClearDepth(1.0);
  // Flakes never hide each other: the depth buffer is cleared but never tested.
  glDisable(GL_DEPTH_TEST);
  glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
  // Texels times the flake colour are added to the screen, so overlaps brighten towards white.
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE);
  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, state.textureName);
}

void DrawFrame(RendererState& state, std::span<const MonitorView> views) {
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glLoadIdentity();
  if (TakeBatchTurn(state.frameTimer.total(), state.lastSpawnTime)) SpawnBatch(state);
  if (!views.empty()) ProjectOnto(views.front());
  state.flakeList->UpdateAndDraw(state.frameTotal, state.frameDelta);
  for (std::size_t next = 1; next < views.size(); ++next) {
    ProjectOnto(views[next]);
    DrawFlakesAgain(*state.flakeList);
  }
}
