#include "saver/saver_run.h"

#include "forms/text_rules.h"
#include "host_state.h"
#include "shared_names.h"

SaverMusic ChooseSaverMusic(std::int16_t bgmKind, std::wstring_view bgmFile) {
  if (bgmKind == kBgmAudioCd) return SaverMusic::kAudioCd;
  if (bgmKind != kBgmMusicFile) return SaverMusic::kNone;
  const std::wstring ending = UpperCase(LastChars(bgmFile, 3));
  if (ending == L"WAV") return SaverMusic::kWave;
  if (ending == L"MP3") return SaverMusic::kMp3;
  return SaverMusic::kNone;
}

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
