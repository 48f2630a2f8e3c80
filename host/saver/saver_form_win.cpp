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
// The music's fall at the end of a run comes between the window going and the host's end, which
// stays within about half a second, so the window is looked for ten times a second.
constexpr UINT kRendererWatchMilliseconds = 100;
// Forty steps a second: a level that changes by at most a tenth at each step is heard as a glide.
constexpr UINT kFadeStepMilliseconds = 25;
// A renderer that was ended from outside is gone together with its window; one whose window has
// just gone in its own teardown is still giving the display its mode back.
constexpr std::chrono::milliseconds kRendererEndWait{50};
constexpr int kPlayPauseHotKeyId = 1;

// The only place the saver run reads the clock.
SaverMusicRun::Time Now() { return SaverMusicRun::Time(GetTickCount64()); }

void EnableIfChanged(FormTimer& timer, bool enabled) {
  if (timer.enabled() != enabled) timer.SetEnabled(enabled);
}

// Every display back in the mode stored for it: with no device and no mode, the system reloads
// the stored settings of all of them.
void RestoreStoredDisplayModes() {
  ChangeDisplaySettingsExW(nullptr, nullptr, nullptr, 0, nullptr);
}

}  // namespace

SaverForm::PlayPauseKey::PlayPauseKey(HWND window)
    : window_(window),
      registered_(RegisterHotKey(window, kPlayPauseHotKeyId, MOD_NOREPEAT, VK_MEDIA_PLAY_PAUSE) !=
                  0) {}

SaverForm::PlayPauseKey::~PlayPauseKey() {
  if (registered_) UnregisterHotKey(window_, kPlayPauseHotKeyId);
}

SaverForm::SaverForm(RunCursor cursor, HostSettings settings)
    : Form(kSaverCaption),
      Timer1(*this, kMp3CheckMilliseconds, TimerStart::kDisabled, [this] { music_.Mp3Check(); }),
      Timer2(*this, kCdPollMilliseconds, TimerStart::kDisabled,
             [this] {
               music_.CdCheck();
               FollowMusic();
             }),
      Timer3(*this, kRendererWatchMilliseconds, TimerStart::kEnabled, [this] { CheckRenderer(); }),
      cursor_(cursor),
      settings_(std::move(settings)),
      music_(SystemMciPort(), settings_),
      fadeTimer_(*this, kFadeStepMilliseconds, TimerStart::kDisabled, [this] { StepFade(); }) {}

void SaverForm::OnLoad() {
  Display = LoadPictureResource(IDR_SNOW_PICTURE);
  // The renderer reads the picture once while it starts, so it is written first.
  SavePicture(Display, kWorkingBitmapW.data());
  renderer_ = StartProgram(ProgramFolder() + kRendererFileName,
                           RendererArgumentText(settings_.ResolutionSwitch));
  displayState_.emplace(window());
  // A run without music leaves the key to whatever else the user plays.
  if (music_.music() != SaverMusic::kNone) playPauseKey_.emplace(window());
  music_.Start(Now());
  FollowMusic();
}

std::optional<LRESULT> SaverForm::OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SYSCOMMAND:
      // Noted; turning the display off is still the system's.
      FollowDisplayPower(OnMonitorPowerCommand(displayPower_, wParam, lParam));
      return std::nullopt;
    case WM_POWERBROADCAST:
      FollowDisplayPower(OnPowerBroadcast(displayPower_, wParam, lParam));
      return std::nullopt;
    case WM_HOTKEY:
      if (wParam != kPlayPauseHotKeyId) return std::nullopt;
      music_.PlayPause(Now());
      FollowMusic();
      return 0;
    default:
      return std::nullopt;
  }
}

void SaverForm::FollowDisplayPower(std::optional<DisplayPower> change) {
  if (!change) return;
  music_.DisplayPowerChanged(*change, Now());
  FollowMusic();
}

void SaverForm::CheckRenderer() {
  const bool windowFound = FindWindowW(nullptr, kRendererWindowTitleW.data()) != nullptr;
  if (!watch_.RunIsOver(windowFound, renderer_.Running())) return;
  Timer3.SetEnabled(false);
  runOver_ = true;
  // The desktop first: the music's fall can wait, a switched desktop should not.
  if (DisplayModesLeftSwitched(settings_.ResolutionSwitch,
                               [this] { return renderer_.ExitCodeWithin(kRendererEndWait); })) {
    RestoreStoredDisplayModes();
  }
  music_.End(Now());
  FollowMusic();
  if (music_.ended()) FinishRun();
}

void SaverForm::StepFade() {
  music_.Tick(Now());
  FollowMusic();
  if (runOver_ && music_.ended()) FinishRun();
}

void SaverForm::FollowMusic() {
  EnableIfChanged(Timer1, music_.mp3Checking());
  EnableIfChanged(Timer2, music_.cdPolling());
  EnableIfChanged(fadeTimer_, music_.fading());
}

void SaverForm::FinishRun() { Unload(); }

bool SaverForm::OnQueryUnload() {
  // Music still sounding here is stopped at once: the platform is ending the run.
  music_.StopNow();
  FollowMusic();
  // Balances the one hide made at start-up for a run started with /s.
  if (cursor_ == RunCursor::kHidden) ShowCursor(TRUE);
  EndProgram();
}

void LoadSaverForm(RunCursor cursor, const HostSettings& settings) {
  static SaverForm saverForm(cursor, settings);
  saverForm.Load();
}
