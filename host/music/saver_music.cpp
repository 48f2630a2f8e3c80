#include "music/saver_music.h"

#include <cstdlib>
#include <utility>

#include "forms/text_rules.h"
#include "host_state.h"

namespace {
constexpr int kSilent = 0;
constexpr int kFull = DriftmantleBgm::kFullVolume;
}  // namespace

SaverMusic ChooseSaverMusic(std::int16_t bgmKind, std::wstring_view bgmFile) {
  if (bgmKind == kBgmAudioCd) return SaverMusic::kAudioCd;
  if (bgmKind != kBgmMusicFile) return SaverMusic::kNone;
  const std::wstring ending = UpperCase(LastChars(bgmFile, 3));
  if (ending == L"WAV") return SaverMusic::kWave;
  if (ending == L"MP3") return SaverMusic::kMp3;
  return SaverMusic::kNone;
}

int SaverMusicRun::Fade::LevelAt(Time now) const {
  if (length.count() <= 0 || now >= start + length) return to;
  if (now <= start) return from;
  return from + static_cast<int>((to - from) * (now - start).count() / length.count());
}

SaverMusicRun::SaverMusicRun(MciPort& port, BgmSettings settings)
    : bgm_(port, std::move(settings)),
      music_(ChooseSaverMusic(bgm_.settings().BgmKind, bgm_.settings().BgmFile)) {}

void SaverMusicRun::Start(Time now) {
  started_ = true;
  Follow(now);
}

void SaverMusicRun::DisplayPowerChanged(DisplayPower power, Time now) {
  displayOn_ = power == DisplayPower::kOn;
  Follow(now);
}

void SaverMusicRun::PlayPause(Time now) {
  paused_ = !paused_;
  Follow(now);
}

void SaverMusicRun::End(Time now) {
  ending_ = true;
  Follow(now);
}

void SaverMusicRun::StopNow() {
  ending_ = true;
  fade_.reset();
  if (cdPolling_) {
    cdPolling_ = false;
    bgm_.CdClose();
  }
  if (wavePlaying_) {
    wavePlaying_ = false;
    bgm_.WavStop();
  }
  if (mp3Open_) {
    mp3Open_ = false;
    bgm_.Mp3Stop();
  }
}

bool SaverMusicRun::mp3Checking() const {
  return music_ == SaverMusic::kMp3 && (mp3Open_ || Wanted());
}

void SaverMusicRun::CdCheck() {
  if (bgm_.CdPoll()) return;
  // Once a poll has failed, the CD is not polled again during this run, nor closed at its end.
  cdPolling_ = false;
  cdResumes_ = false;
}

void SaverMusicRun::Tick(Time now) {
  if (!fade_) return;
  if (fade_->startsAtNextStep) {
    fade_->start = now;
    fade_->startsAtNextStep = false;
  }
  const int level = fade_->LevelAt(now);
  if (level != mp3Level_) {
    mp3Level_ = level;
    bgm_.Mp3Volume(level);
  }
  if (now < fade_->start + fade_->length) return;
  const bool silent = fade_->to == kSilent;
  fade_.reset();
  if (!silent) return;
  // A file that rests goes on from where it was; one that ends is not asked.
  if (!ending_) mp3Position_ = bgm_.Mp3Position();
  bgm_.Mp3Stop();
  mp3Open_ = false;
}

void SaverMusicRun::Follow(Time now) {
  const bool wanted = Wanted();
  switch (music_) {
    case SaverMusic::kWave:
      if (wanted != wavePlaying_) {
        wavePlaying_ = wanted;
        wanted ? bgm_.WavStart() : bgm_.WavStop();
      }
      break;
    case SaverMusic::kAudioCd:
      if (wanted && !cdPolling_ && cdResumes_) {
        cdPolling_ = true;
        bgm_.CdOpen();
      } else if (!wanted && cdPolling_) {
        cdPolling_ = false;
        bgm_.CdClose();
      }
      break;
    case SaverMusic::kMp3:
      FollowMp3(wanted, now);
      break;
    case SaverMusic::kNone:
      break;
  }
}

void SaverMusicRun::FollowMp3(bool wanted, Time now) {
  // A fade under way stands at its present level before it turns.
  Tick(now);
  if (!wanted) {
    if (!mp3Open_) return;
    FadeTo(kSilent, ending_ || paused_ ? kQuickFadeTime : kSleepFadeTime, now);
    // Already silent: closed at once.
    Tick(now);
    return;
  }
  if (mp3Open_) {
    FadeTo(kFull, kRiseTime, now);
    return;
  }
  mp3Level_ = kSilent;
  mp3Open_ = bgm_.Mp3Start(kSilent, mp3Position_);
  if (mp3Open_) fade_ = Fade{kSilent, kFull, now, kRiseTime, true};
}

// A fade over part of the range takes that part of the full-scale time.
void SaverMusicRun::FadeTo(int level, Time fullScaleTime, Time now) {
  if (fade_ && fade_->to == level && level != kSilent) return;
  fade_.reset();
  // Silence is always reached through a fade, however short, whose end closes the file.
  if (mp3Level_ == level && level != kSilent) return;
  const Time length = fullScaleTime * std::abs(level - mp3Level_) / kFull;
  fade_ = Fade{mp3Level_, level, now, length, false};
}
