#include "saver/saver_form_win.h"

#include <windows.h>

#include <utility>

#include "forms/application_win.h"
#include "host_paths.h"
#include "music/music_system_win.h"
#include "resource_ids.h"
#include "shared_names.h"

namespace {
constexpr UINT kMp3CheckMilliseconds = 1000;
constexpr UINT kCdPollMilliseconds = 200;
constexpr UINT kRendererWatchMilliseconds = 500;
}  // namespace

SaverForm::SaverForm(RunCursor cursor, HostSettings settings)
    : Form(kSaverCaption),
      Timer1(*this, kMp3CheckMilliseconds, TimerStart::kDisabled, [] { Mp3Repeat(); }),
      Timer2(*this, kCdPollMilliseconds, TimerStart::kDisabled, [this] { PollCd(); }),
      Timer3(*this, kRendererWatchMilliseconds, TimerStart::kEnabled, [this] { CheckRenderer(); }),
      cursor_(cursor),
      settings_(std::move(settings)) {}

void SaverForm::OnLoad() {
  Display = LoadPictureResource(IDR_SNOW_PICTURE);
  // The renderer reads the picture once while it starts, so it is written first.
  SavePicture(Display, kWorkingBitmapW.data());
  renderer_ = StartProgram(ProgramFolder() + kRendererFileName,
                           RendererArgumentText(settings_.ResolutionSwitch));
  StartMusic();
}

void SaverForm::StartMusic() {
  music_ = ChooseSaverMusic(settings_.BgmKind, settings_.BgmFile);
  switch (music_) {
    case SaverMusic::kAudioCd:
      CdOpen();
      Timer2.SetEnabled(true);
      break;
    case SaverMusic::kWave:
      WavStart(settings_.BgmFile);
      break;
    case SaverMusic::kMp3:
      Mp3Start(settings_.BgmFile);
      Timer1.SetEnabled(true);
      break;
    case SaverMusic::kNone:
      break;
  }
}

void SaverForm::CheckRenderer() {
  const bool windowFound = FindWindowW(nullptr, kRendererWindowTitleW.data()) != nullptr;
  if (!watch_.RunIsOver(windowFound, renderer_.Running())) return;
  Timer3.SetEnabled(false);
  Unload();
}

// Once a poll has failed, the CD is not polled again during this run.
void SaverForm::PollCd() {
  CdPoll(settings_.BgmRepeat);
  Timer2.SetEnabled(CdPollOn);
}

bool SaverForm::OnQueryUnload() {
  if (Timer2.enabled()) {
    Timer2.SetEnabled(false);
    CdClose();
  }
  if (music_ == SaverMusic::kWave) WavStop();
  if (music_ == SaverMusic::kMp3) {
    Timer1.SetEnabled(false);
    Mp3Stop();
  }
  // Balances the one hide made at start-up for a run started with /s.
  if (cursor_ == RunCursor::kHidden) ShowCursor(TRUE);
  EndProgram();
}

void LoadSaverForm(RunCursor cursor, const HostSettings& settings) {
  static SaverForm saverForm(cursor, settings);
  saverForm.Load();
}
