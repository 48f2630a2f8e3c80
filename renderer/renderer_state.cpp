#include "renderer_state.h"

void RendererState::AdvanceFrame() {
  frameTimer.Tick();
  frameTotal = frameTimer.total();
  frameDelta = frameTimer.delta();
}
