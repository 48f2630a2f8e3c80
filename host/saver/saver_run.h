#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The decisions of a full-screen saver run, apart from the windows and devices that carry them.

// The music a saver run plays, from the music settings.
enum class SaverMusic { kNone, kAudioCd, kWave, kMp3 };

// A file source plays by the last three letters of its name, whatever their case: "WAV" as a
// looping wave sound, "MP3" through the MPEG player, anything else not at all.
SaverMusic ChooseSaverMusic(std::int16_t bgmKind, std::wstring_view bgmFile);

// The argument text the renderer is started with: the keep-mode argument when the settings keep
// every monitor's mode, nothing when the primary display is to be switched.
std::wstring RendererArgumentText(std::int16_t resolutionSwitch);

// Watches for the renderer's window. The renderer switches the display mode before it opens its
// window, which can take seconds on real monitors; until the window has been seen, only the
// renderer process having ended means the run is over.
class RendererWatch {
 public:
  // Whether the run is over, given one look for the window and at the process.
  bool RunIsOver(bool windowFound, bool rendererRunning);

 private:
  bool windowSeen_ = false;
};
