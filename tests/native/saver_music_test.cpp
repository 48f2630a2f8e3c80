// The music of a saver run over time: what happens to the run (display off and on, the
// Play/Pause key, the end) in, the commands to the multimedia services out, fade steps and all.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host_state.h"
#include "music/saver_music.h"
#include "recording_port.h"

namespace {

using Time = SaverMusicRun::Time;

enum class Do { kStart, kOff, kOn, kKey, kEnd, kTick, kMp3Check, kCdPoll };

// The timers the run wants on after a step.
enum Wants : int { kNothing = 0, kMp3Check = 1, kCdPoll = 2, kFade = 4 };

struct Step {
  int at;  // milliseconds
  Do what;
  Calls sent;
  int wants;
};

enum class Disc { kReadable, kNone };

struct Timeline {
  const char* what;
  BgmSettings settings;
  Disc disc;
  std::vector<Step> steps;
};

const std::wstring kMp3 = L"C:\\My Music\\snow.mp3";
const std::wstring kOpen = L"open \"" + kMp3 + L"\" type MPEGVideo Alias MP3Play";
const std::wstring kPosition = L"status MP3Play position";
const Calls kClose = {L"stop MP3Play", L"close MP3Play"};
const Calls kRest = {kPosition, L"stop MP3Play", L"close MP3Play"};
const Calls kLoop = {L"wave devices", L"loop sound C:\\m\\snow.wav"};
const Calls kCdOpen = {L"open cdaudio", L"set cdaudio time format tmsf"};
const Calls kCdClose = {L"stop cdaudio", L"close cdaudio"};
const Calls kCdPlays = {L"status cdaudio current track", L"status cdaudio number of tracks",
                        L"status cdaudio mode", L"play cdaudio"};

std::wstring Level(int level) { return L"setaudio MP3Play volume to " + std::to_wstring(level); }

Calls Then(Calls first, const Calls& more) {
  first.insert(first.end(), more.begin(), more.end());
  return first;
}

// The rested file goes on at 4200 ms; a file named "bad.mp3" does not open.
const Timeline kTimelines[] = {
    {"an MP3 rises, rests while the display sleeps, comes back where it was and falls at the end",
     {kBgmMusicFile, 0, kMp3},
     Disc::kReadable,
     {{0, Do::kStart, {kOpen, Level(0), L"play MP3Play"}, kMp3Check | kFade},
      {25, Do::kTick, {}, kMp3Check | kFade},  // the rise starts once the player plays
      {275, Do::kTick, {Level(250)}, kMp3Check | kFade},
      {1025, Do::kTick, {Level(1000)}, kMp3Check},
      {1500,
       Do::kMp3Check,
       {L"status MP3Play mode", L"stop MP3Play", L"play MP3Play from 0"},
       kMp3Check},
      {2000, Do::kOff, {}, kMp3Check | kFade},
      {2500, Do::kTick, {Level(500)}, kMp3Check | kFade},
      {3000, Do::kTick, Then({Level(0)}, kRest), kNothing},
      {4000, Do::kOff, {}, kNothing},
      {5000, Do::kOn, {kOpen, Level(0), L"play MP3Play from 4200"}, kMp3Check | kFade},
      {5025, Do::kTick, {}, kMp3Check | kFade},
      {5525, Do::kTick, {Level(500)}, kMp3Check | kFade},
      {6100, Do::kTick, {Level(1000)}, kMp3Check},
      {7000, Do::kEnd, {}, kMp3Check | kFade},
      {7125, Do::kTick, {Level(500)}, kMp3Check | kFade},
      {7250, Do::kTick, Then({Level(0)}, kClose), kNothing},
      {8000, Do::kOn, {}, kNothing}}},
    {"Play/Pause rests the MP3 until pressed again, whatever the display does meanwhile; a turn "
     "mid-fade starts from the level reached",
     {kBgmMusicFile, 0, kMp3},
     Disc::kReadable,
     {{0, Do::kStart, {kOpen, Level(0), L"play MP3Play"}, kMp3Check | kFade},
      {25, Do::kTick, {}, kMp3Check | kFade},
      {1025, Do::kTick, {Level(1000)}, kMp3Check},
      {1500, Do::kKey, {}, kMp3Check | kFade},
      {1750, Do::kTick, Then({Level(0)}, kRest), kNothing},
      {2000, Do::kOff, {}, kNothing},
      {3000, Do::kOn, {}, kNothing},
      {4000, Do::kKey, {kOpen, Level(0), L"play MP3Play from 4200"}, kMp3Check | kFade},
      {4025, Do::kTick, {}, kMp3Check | kFade},
      {4125, Do::kOff, {Level(100)}, kMp3Check | kFade},
      {4175, Do::kOn, {Level(50)}, kMp3Check | kFade},
      {5125, Do::kTick, {Level(1000)}, kMp3Check},
      {5200, Do::kKey, {}, kMp3Check | kFade},
      {5300, Do::kEnd, {Level(600)}, kMp3Check | kFade},
      {5450, Do::kTick, Then({Level(0)}, kClose), kNothing}}},
    {"the end while the display sleeps closes nothing more; the fall of a sleep hurries",
     {kBgmMusicFile, 0, kMp3},
     Disc::kReadable,
     {{0, Do::kStart, {kOpen, Level(0), L"play MP3Play"}, kMp3Check | kFade},
      {25, Do::kTick, {}, kMp3Check | kFade},
      {1025, Do::kTick, {Level(1000)}, kMp3Check},
      {2000, Do::kOff, {}, kMp3Check | kFade},
      {2600, Do::kEnd, {Level(400)}, kMp3Check | kFade},
      {2700, Do::kTick, Then({Level(0)}, kClose), kNothing}}},
    {"an MP3 that does not open keeps its repeat check, is opened again only on return, never "
     "faded",
     {kBgmMusicFile, 0, L"C:\\m\\bad.mp3"},
     Disc::kReadable,
     {{0, Do::kStart, {L"open \"C:\\m\\bad.mp3\" type MPEGVideo Alias MP3Play"}, kMp3Check},
      {1000,
       Do::kMp3Check,
       {L"status MP3Play mode", L"stop MP3Play", L"play MP3Play from 0"},
       kMp3Check},
      {1500, Do::kOff, {}, kNothing},
      {2500, Do::kOn, {L"open \"C:\\m\\bad.mp3\" type MPEGVideo Alias MP3Play"}, kMp3Check},
      {3000, Do::kEnd, {}, kNothing}}},
    {"a wave loop stops at once and starts from its start",
     {kBgmMusicFile, 0, L"C:\\m\\snow.wav"},
     Disc::kReadable,
     {{0, Do::kStart, kLoop, kNothing},
      {1000, Do::kOff, {L"stop sound"}, kNothing},
      {2000, Do::kKey, {}, kNothing},
      {3000, Do::kOn, {}, kNothing},
      {4000, Do::kKey, kLoop, kNothing},
      {5000, Do::kEnd, {L"stop sound"}, kNothing},
      {5100, Do::kOn, {}, kNothing}}},
    {"the CD is closed while it rests and played again by the polls",
     {kBgmAudioCd, 0, L""},
     Disc::kReadable,
     {{0, Do::kStart, kCdOpen, kCdPoll},
      {200, Do::kCdPoll, kCdPlays, kCdPoll},
      {1000, Do::kOff, kCdClose, kNothing},
      {2000, Do::kOn, kCdOpen, kCdPoll},
      {2200, Do::kCdPoll, kCdPlays, kCdPoll},
      {3000, Do::kKey, kCdClose, kNothing},
      {4000, Do::kKey, kCdOpen, kCdPoll},
      {5000, Do::kEnd, kCdClose, kNothing}}},
    {"a CD whose poll failed is not opened again, nor closed at the end",
     {kBgmAudioCd, 0, L""},
     Disc::kNone,
     {{0, Do::kStart, kCdOpen, kCdPoll},
      {200, Do::kCdPoll, {L"status cdaudio current track", L"error text 266"}, kNothing},
      {1000, Do::kOff, {}, kNothing},
      {2000, Do::kOn, {}, kNothing},
      {3000, Do::kEnd, {}, kNothing}}},
    {"no music: nothing is ever sent",
     {kBgmNone, 0, kMp3},
     Disc::kReadable,
     {{0, Do::kStart, {}, kNothing},
      {1000, Do::kOff, {}, kNothing},
      {2000, Do::kKey, {}, kNothing},
      {3000, Do::kEnd, {}, kNothing}}},
};

void Perform(SaverMusicRun& run, const Step& step) {
  const Time now{step.at};
  switch (step.what) {
    case Do::kStart:
      return run.Start(now);
    case Do::kOff:
      return run.DisplayPowerChanged(DisplayPower::kOff, now);
    case Do::kOn:
      return run.DisplayPowerChanged(DisplayPower::kOn, now);
    case Do::kKey:
      return run.PlayPause(now);
    case Do::kEnd:
      return run.End(now);
    case Do::kTick:
      return run.Tick(now);
    case Do::kMp3Check:
      return run.Mp3Check();
    case Do::kCdPoll:
      return run.CdCheck();
  }
}

int Wanted(const SaverMusicRun& run) {
  return (run.mp3Checking() ? kMp3Check : 0) | (run.cdPolling() ? kCdPoll : 0) |
         (run.fading() ? kFade : 0);
}

TEST(SaverMusicRun, FollowsTheRunStepByStep) {
  for (const Timeline& timeline : kTimelines) {
    SCOPED_TRACE(timeline.what);
    RecordingPort port;
    port.replies[kPosition] = {0, L"4200"};
    port.replies[L"open \"C:\\m\\bad.mp3\" type MPEGVideo Alias MP3Play"] = {277, L""};
    port.replies[L"status MP3Play mode"] = {0, L"stopped"};
    port.replies[L"status cdaudio current track"] = {0, L"1"};
    port.replies[L"status cdaudio mode"] = {0, L"stopped"};
    if (timeline.disc == Disc::kNone) port.replies[L"status cdaudio current track"] = {266, L""};
    SaverMusicRun run(port, timeline.settings);
    bool endAsked = false;
    for (const Step& step : timeline.steps) {
      Perform(run, step);
      endAsked = endAsked || step.what == Do::kEnd;
      EXPECT_EQ(port.Take(), step.sent) << "at " << step.at << " ms";
      EXPECT_EQ(Wanted(run), step.wants) << "at " << step.at << " ms";
      // Over once the last fade is done.
      EXPECT_EQ(run.ended(), endAsked && (step.wants & kFade) == 0) << "at " << step.at << " ms";
    }
  }
}

TEST(SaverMusic, FileSourcePlaysByTheLastThreeLettersInAnyCase) {
  struct Case {
    std::int16_t kind;
    const wchar_t* file;
    SaverMusic music;
  };
  const Case cases[] = {
      {0, L"C:\\m\\snow.mp3", SaverMusic::kNone},
      {1, L"", SaverMusic::kAudioCd},
      {1, L"C:\\m\\snow.mp3", SaverMusic::kAudioCd},
      {2, L"C:\\m\\snow.wav", SaverMusic::kWave},
      {2, L"C:\\m\\snow.Wav", SaverMusic::kWave},
      {2, L"C:\\m\\snowwav", SaverMusic::kWave},
      {2, L"C:\\m\\snow.mp3", SaverMusic::kMp3},
      {2, L"C:\\m\\SNOW.MP3", SaverMusic::kMp3},
      {2, L"C:\\m\\snow.mpeg", SaverMusic::kNone},
      {2, L"C:\\m\\snow.mid", SaverMusic::kNone},
      {2, L"C:\\m\\snow.mp3x", SaverMusic::kNone},
      {2, L"", SaverMusic::kNone},
      {2, L"p3", SaverMusic::kNone},
      {3, L"C:\\m\\snow.wav", SaverMusic::kNone},
      {-1, L"C:\\m\\snow.wav", SaverMusic::kNone},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ChooseSaverMusic(c.kind, c.file), c.music) << c.kind << " " << c.file;
  }
}

}  // namespace
