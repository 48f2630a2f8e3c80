#pragma once

#include "forms/form_timer_win.h"
#include "forms/form_win.h"
#include "forms/picture_win.h"
#include "forms/statements_win.h"
#include "host_state.h"
#include "saver/saver_run.h"

// Driftmantle_S: the hidden form that carries a full-screen saver run on the host's side. It
// writes the flake picture, starts the renderer and the music, then watches for the renderer's
// window and ends the program once the run is over.
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

 private:
  void StartMusic();
  void CheckRenderer();
  void PollCd();

  const RunCursor cursor_;
  const HostSettings settings_;
  StartedProgram renderer_;
  RendererWatch watch_;
  SaverMusic music_ = SaverMusic::kNone;
};

// Loads the saver form without showing it, which starts the run.
void LoadSaverForm(RunCursor cursor, const HostSettings& settings);
