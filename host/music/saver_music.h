#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "display_power.h"
#include "music/driftmantle_bgm.h"

// The music a saver run plays, from the music settings.
enum class SaverMusic { kNone, kAudioCd, kWave, kMp3 };

// A file source plays by the last three letters of its name, whatever their case: "WAV" as a
// looping wave sound, "MP3" through the MPEG player, anything else not at all.
SaverMusic ChooseSaverMusic(std::int16_t bgmKind, std::wstring_view bgmFile);

// The music of one saver run around what happens to it: it rests while the display is off or the
// user has paused it, and an MP3 rises as it begins or comes back and falls before it stops. A
// device that rests is closed, so no audio stream keeps the computer awake. A wave loop and the CD
// cannot fade: they stop at once and start again from the start of the loop, or as the repeat
// setting says.
//
// Time is handed in by the caller, in milliseconds on any steady clock.
class SaverMusicRun {
 public:
  using Time = std::chrono::milliseconds;

  static constexpr Time kRiseTime{1000};       // from silence to the file's own level
  static constexpr Time kSleepFadeTime{1000};  // from that level to silence, the display off
  static constexpr Time kQuickFadeTime{250};   // the same at the end of the run or a pause

  SaverMusicRun(MciPort& port, BgmSettings settings);

  void Start(Time now);
  void DisplayPowerChanged(DisplayPower power, Time now);
  void PlayPause(Time now);
  // The end of the run: the music falls silent (a playing MP3 with a fade) and stays so.
  void End(Time now);
  // Stops everything at once: the run is ending in a hurry.
  void StopNow();

  // The steps of a fade, as often as the caller likes while fading() is true; closes the MP3
  // once it has fallen silent.
  void Tick(Time now);
  // The MP3 repeat check and the CD poll, on their own periods while their timers are wanted.
  void Mp3Check() { bgm_.Mp3Repeat(); }
  void CdCheck();

  SaverMusic music() const { return music_; }
  bool mp3Checking() const;
  bool cdPolling() const { return cdPolling_; }
  bool fading() const { return fade_.has_value(); }
  // Ended and nothing left open.
  bool ended() const { return ending_ && !mp3Open_; }

 private:
  // A straight line between two levels over a time.
  struct Fade {
    int from;
    int to;
    Time start;
    Time length;
    // A file just opened is heard only once its player has started: its rise starts at the next
    // step.
    bool startsAtNextStep;
    int LevelAt(Time now) const;
  };

  bool Wanted() const { return started_ && displayOn_ && !paused_ && !ending_; }
  void Follow(Time now);
  void FollowMp3(bool wanted, Time now);
  void FadeTo(int level, Time fullScaleTime, Time now);

  DriftmantleBgm bgm_;
  const SaverMusic music_;
  bool started_ = false;
  bool displayOn_ = true;
  bool paused_ = false;
  bool ending_ = false;

  bool wavePlaying_ = false;
  bool cdPolling_ = false;
  bool cdResumes_ = true;  // until a poll has failed, which ends the CD for the run
  bool mp3Open_ = false;
  int mp3Level_ = 0;
  std::wstring mp3Position_;  // where a rested MP3 goes on; empty for its start
  std::optional<Fade> fade_;
};
