#pragma once

#include <chrono>
#include <optional>

#include "display_power.h"
#include "display_power_win.h"
#include "forms/form_timer_win.h"
#include "forms/form_win.h"
#include "forms/picture_win.h"
#include "forms/statements_win.h"
#include "host_state.h"
#include "music/saver_music.h"
#include "saver/saver_run.h"

// Driftmantle_S: the hidden form that carries a full-screen saver run on the host's side. It
// writes the flake picture, starts the renderer and the music, then watches for the renderer's
// window and ends the program once the run is over. Being a top-level window, it also hears the
// monitor-power requests a program broadcasts and the media Play/Pause key, which rest the music.
class SaverForm final : public Form {
 public:
  SaverForm(RunCursor cursor, HostSettings settings);

  Picture Display;   // the 64 x 64 flake picture the renderer takes as its texture
  FormTimer Timer1;  // keeps an MP3 file playing
  FormTimer Timer2;  // polls the audio CD
  FormTimer Timer3;  // watches for the renderer's window

 protected:
  void OnLoad() override;
  bool OnQueryUnload() override;
  std::optional<LRESULT> OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // Registers the media Play/Pause key for the form's window while it lives; on a system where
  // another program holds the key, that program keeps it. A key held down toggles once.
  class PlayPauseKey {
   public:
    explicit PlayPauseKey(HWND window);
    ~PlayPauseKey();
    PlayPauseKey(const PlayPauseKey&) = delete;
    PlayPauseKey& operator=(const PlayPauseKey&) = delete;

   private:
    HWND window_;
    bool registered_;
  };

  void CheckRenderer();
  void FollowDisplayPower(std::optional<DisplayPower> change);
  void StepFade();
  // Sets each music timer to what the music wants now, leaving one that stays on to its period.
  void FollowMusic();
  // The end of a run whose music has fallen silent.
  void FinishRun();

  const RunCursor cursor_;
  const HostSettings settings_;
  StartedProgram renderer_;
  RendererWatch watch_;
  SaverMusicRun music_;
  FormTimer fadeTimer_;  // steps a fade of the music while one is under way
  DisplayPowerWatch displayPower_;
  std::optional<DisplayStateNotification> displayState_;
  std::optional<PlayPauseKey> playPauseKey_;
  bool runOver_ = false;
};

// Loads the saver form without showing it, which starts the run.
void LoadSaverForm(RunCursor cursor, const HostSettings& settings);
