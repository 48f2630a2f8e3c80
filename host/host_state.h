#pragma once

#include <cstdint>
#include <string>

// State shared by the host's forms and modules for the whole process; zero or empty at start and
// never reset. Settings are 16-bit like the values in the settings file, system results 32-bit.

// Music sources, the values of BgmKind.
enum BgmSource : std::int16_t {
  kBgmNone = 0,
  kBgmAudioCd = 1,
  kBgmMusicFile = 2,  // an MP3 or WAV file, named by BgmFile
};

// The music settings. They belong to the music module; they live here so that the settings
// loader, the settings dialog and the music module share one definition.
extern std::int16_t BgmKind;    // a BgmSource, but any value the settings file held
extern std::int16_t BgmRepeat;  // audio-CD track played over and over; 0 for the whole disc
extern std::wstring BgmFile;    // the music file; empty when none
extern std::wstring BgmFolder;  // BgmFile's folder, or the program folder when BgmFile is empty

// Whether a saver run switches the primary display to 1024 x 768: 0 keeps every monitor's mode,
// any other value switches, as a missing key does.
extern std::int16_t ResolutionSwitch;
// The values the settings loader gives ResolutionSwitch.
enum ResolutionSwitchValue : std::int16_t {
  kKeepDisplayModes = 0,
  kSwitchDisplayMode = 1,
};

// The result of the latest system call whose result the host chose to keep.
extern std::int32_t LastApiResult;

// Screen point, in pixels, from and to which the settings dialog's zoom animation runs.
extern std::int16_t ZoomX;
extern std::int16_t ZoomY;

// The cursor display counter returned when the saver hid the mouse cursor.
extern std::int32_t SavedCursorCount;
// Whether start-up hid the mouse cursor for a saver run (started with /s), so that the run's end
// shows it again.
enum class RunCursor { kShown, kHidden };
