#pragma once

#include <cstdint>
#include <string>

// The values the host's forms hand one another. Settings are 16-bit like the values in the
// settings file.

// Music sources, the values of BgmKind.
enum BgmSource : std::int16_t {
  kBgmNone = 0,
  kBgmAudioCd = 1,
  kBgmMusicFile = 2,  // an MP3 or WAV file, named by BgmFile
};

// The values the settings loader gives ResolutionSwitch.
enum ResolutionSwitchValue : std::int16_t {
  kKeepDisplayModes = 0,
  kSwitchDisplayMode = 1,
};

// The music settings: what a saver run plays, handed to the music as they were loaded.
struct BgmSettings {
  std::int16_t BgmKind = kBgmNone;  // a BgmSource, but any value the settings file held
  std::int16_t BgmRepeat = 0;       // audio-CD track played over and over; 0 for the whole disc
  std::wstring BgmFile;             // the music file; empty when none
};

// The settings as loaded at start-up. The settings dialog edits its own copy and stores it; the
// saver form keeps its copy for the run and hands the music what it plays.
struct HostSettings : BgmSettings {
  std::wstring BgmFolder;  // BgmFile's folder, or the program folder when BgmFile is empty
  // Whether a saver run switches the primary display to 1024 x 768: 0 keeps every monitor's mode,
  // any other value switches, as a missing key does.
  std::int16_t ResolutionSwitch = kSwitchDisplayMode;
};

// Whether start-up hid the mouse cursor for a saver run (started with /s), so that the run's end
// shows it again.
enum class RunCursor { kShown, kHidden };
