#include <gtest/gtest.h>

#include "host_state.h"
#include "saver/saver_run.h"

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

TEST(RendererWatch, SlowWindowKeepsTheRunUntilTheRendererEnds) {
  RendererWatch watch;
  // Still switching the display: no window yet, process alive.
  EXPECT_FALSE(watch.RunIsOver(false, true));
  EXPECT_FALSE(watch.RunIsOver(false, true));
  EXPECT_FALSE(watch.RunIsOver(true, true));
  // Once seen, the window's disappearance ends the run even while the process lingers.
  EXPECT_TRUE(watch.RunIsOver(false, true));
}

TEST(RendererWatch, RendererThatEndsWithoutAWindowEndsTheRun) {
  RendererWatch watch;
  EXPECT_TRUE(watch.RunIsOver(false, false));
  RendererWatch neverStarted;
  EXPECT_TRUE(neverStarted.RunIsOver(false, false));
  RendererWatch ended;
  EXPECT_FALSE(ended.RunIsOver(true, true));
  EXPECT_TRUE(ended.RunIsOver(false, false));
}
