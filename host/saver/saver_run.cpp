#include "saver/saver_run.h"

#include "host_state.h"
#include "shared_names.h"

std::wstring RendererArgumentText(std::int16_t resolutionSwitch) {
  if (resolutionSwitch != kKeepDisplayModes) return {};
  return kKeepDisplayModeArgumentW.data();
}

bool RendererWatch::RunIsOver(bool windowFound, bool rendererRunning) {
  if (windowFound) {
    windowSeen_ = true;
    return false;
  }
  return windowSeen_ || !rendererRunning;
}
