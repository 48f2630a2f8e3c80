// The music module over the system's multimedia services. The cases that play sound need a wave
// output device; CTest gives them one (a null sink), so its absence is a failure, not a skip.
#include <gtest/gtest.h>
#include <windows.h>
// windows.h first: mmsystem.h needs its types.
#include <mmsystem.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cwchar>
#include <filesystem>
#include <fstream>
#include <numbers>

#include "deadline.h"
#include "host_state.h"
#include "music/driftmantle_bgm.h"
#include "music/music_system_win.h"

namespace {

namespace fs = std::filesystem;
using std::chrono::seconds;

constexpr std::uint32_t kSampleRate = 22050;
constexpr char kNoSound[] = "no wave output device: is the test's sound server running?";

// A mono 16-bit wave of a 440 Hz tone.
void WriteTone(const fs::path& path, std::uint32_t milliseconds) {
  const std::uint32_t samples = kSampleRate * milliseconds / 1000;
  std::ofstream out(path, std::ios::binary);
  const auto put = [&out](std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.put(static_cast<char>(value >> (8 * i)));
  };
  out << "RIFF";
  put(36 + samples * 2, 4);
  out << "WAVEfmt ";
  put(16, 4);  // format: PCM, one channel, two bytes a sample
  put(WAVE_FORMAT_PCM, 2);
  put(1, 2);
  put(kSampleRate, 4);
  put(kSampleRate * 2, 4);
  put(2, 2);
  put(16, 2);
  out << "data";
  put(samples * 2, 4);
  for (std::uint32_t i = 0; i < samples; ++i) {
    put(static_cast<std::uint16_t>(8000 * std::sin(2 * std::numbers::pi * 440 * i / kSampleRate)),
        2);
  }
}

// True while a sound of this process plays: a sound asked not to stop another is refused then.
bool SoundPlays() {
  return !PlaySoundW(L"C:\\no such sound.wav", nullptr,
                     SND_ASYNC | SND_NOSTOP | SND_NODEFAULT | SND_FILENAME);
}

class MusicPort : public testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("music-" + std::to_string(GetCurrentProcessId()));
    fs::create_directories(root_);
  }
  void TearDown() override {
    PlaySoundW(nullptr, nullptr, 0);
    mciSendStringW(L"close all", nullptr, 0, nullptr);
    fs::remove_all(root_);
  }
  // A tone in a new folder of the given name.
  fs::path Tone(const std::wstring& folder, std::uint32_t milliseconds) {
    fs::create_directories(root_ / folder);
    const fs::path path = root_ / folder / L"tone.wav";
    WriteTone(path, milliseconds);
    return path;
  }
  static bool HaveSound() { return SystemMciPort().WaveOutputDevices() > 0; }

  MciPort& port_ = SystemMciPort();
  fs::path root_;
};

// Characters of the system's code page that are not ASCII.
std::wstring AnsiFolderName() { return GetACP() == 932 ? L"\u97f3\u697d" : L"M\u00fcsik"; }
// No code page holds all three.
const std::wstring kUnicodeFolderName = L"\u00fc \u0414 \ud55c";

}  // namespace

TEST_F(MusicPort, WithoutACdDriveTheFirstPollEndsPollingSilently) {
  DriftmantleBgm bgm(port_, {kBgmAudioCd, 0, L""});
  EXPECT_EQ(bgm.CdOpen(), 266);
  EXPECT_FALSE(bgm.CdPoll());
  std::wstring systemText(256, L'\0');
  ASSERT_TRUE(mciGetErrorStringW(266, systemText.data(), 256));
  EXPECT_EQ(bgm.MciReply(), systemText.c_str());
}

TEST_F(MusicPort, RepliesAndErrorTextsKeepToTheirBuffers) {
  const MciPort::Reply tooSmall = port_.Send(L"sysinfo all name 1", 2);
  EXPECT_EQ(tooSmall.code, 268);  // MCIERR_PARAM_OVERFLOW
  EXPECT_EQ(tooSmall.buffer.size(), 2u);
  DriftmantleBgm bgm(port_, {});
  const std::wstring name = bgm.MciStatus(L"sysinfo all name 1");
  EXPECT_FALSE(name.empty());
  EXPECT_EQ(name.find(L'\0'), std::wstring::npos);
  EXPECT_NE(name.rfind(L"Error:", 0), 0u) << testing::PrintToString(name);

  const std::wstring whole = port_.ErrorText(263, 256).value_or(L"").c_str();
  const std::wstring cut = port_.ErrorText(263, 8).value_or(L"").c_str();
  EXPECT_GT(cut.size(), 0u);
  EXPECT_LT(cut.size(), 8u);  // characters or, in the ANSI code page, bytes, with the NUL
  EXPECT_EQ(whole.rfind(cut, 0), 0u) << testing::PrintToString(whole);
  EXPECT_FALSE(port_.ErrorText(0x12345, 256).has_value());
}

TEST_F(MusicPort, CommandsReachFilesNamedInTheAnsiCodePage) {
  const fs::path tone = Tone(AnsiFolderName(), 250);
  EXPECT_EQ(port_.Send(L"open \"" + tone.wstring() + L"\" type waveaudio alias tone", 0).code, 0);
  EXPECT_EQ(DriftmantleBgm(port_, {}).MciStatus(L"status tone length"), L"250");
}

TEST_F(MusicPort, Mp3PlaysFromAnyFolderAndRestartsAfterItsEnd) {
  ASSERT_TRUE(HaveSound()) << kNoSound;
  DriftmantleBgm bgm(port_, {kBgmMusicFile, 0, Tone(kUnicodeFolderName, 600).wstring()});
  EXPECT_TRUE(bgm.Mp3Start());
  EXPECT_TRUE(PollUntil(seconds(3), [&] { return bgm.Mp3IsPlaying(); }));
  EXPECT_TRUE(PollUntil(seconds(3), [&] { return !bgm.Mp3IsPlaying(); }));
  bgm.Mp3Repeat();
  EXPECT_TRUE(PollUntil(seconds(3), [&] { return bgm.Mp3IsPlaying(); }));
  bgm.Mp3Stop();
  EXPECT_NE(port_.Send(L"status MP3Play mode", 30).code, 0);
}

// What a fade and a rest need of the player: a level before anything is heard, a position to go
// on from, and a start there.
TEST_F(MusicPort, Mp3StartsSilentAtAPositionAndTellsWhereItIs) {
  ASSERT_TRUE(HaveSound()) << kNoSound;
  DriftmantleBgm bgm(port_, {kBgmMusicFile, 0, Tone(L"level", 3000).wstring()});
  ASSERT_TRUE(bgm.Mp3Start(0, L"1500"));
  ASSERT_TRUE(PollUntil(seconds(3), [&] { return bgm.Mp3IsPlaying(); }));
  const double position = std::wcstod(bgm.Mp3Position().c_str(), nullptr);
  EXPECT_GE(position, 1500);
  EXPECT_LT(position, 3000);
  EXPECT_EQ(port_.Send(L"setaudio MP3Play volume to 500", 0).code, 0);
  bgm.Mp3Stop();
  EXPECT_EQ(bgm.Mp3Position(), L"");
}

TEST_F(MusicPort, WaveLoopsUntilStopped) {
  DriftmantleBgm bgm(port_, {kBgmMusicFile, 0, Tone(kUnicodeFolderName, 200).wstring()});
  ASSERT_TRUE(HaveSound()) << kNoSound;
  EXPECT_TRUE(bgm.WavStart());
  ASSERT_TRUE(PollUntil(seconds(2), [] { return SoundPlays(); }));
  Sleep(1000);  // five times the tone's length: only a looping sound still plays
  EXPECT_TRUE(SoundPlays());
  EXPECT_TRUE(bgm.WavStop());
  EXPECT_TRUE(PollUntil(seconds(2), [] { return !SoundPlays(); }));
}

// Where a system default sound is set, a looping sound that cannot be played would otherwise
// repeat that default for the whole run.
TEST_F(MusicPort, AWaveThatCannotPlayLoopsNothingInItsPlace) {
  ASSERT_TRUE(HaveSound()) << kNoSound;
  std::wstring previous(MAX_PATH, L'\0');
  previous.resize(GetProfileStringW(L"Sounds", L"Default", L"", previous.data(), MAX_PATH));
  const std::wstring fallback = Tone(L"default", 200).wstring();
  ASSERT_TRUE(WriteProfileStringW(L"Sounds", L"Default", fallback.c_str()));
  const fs::path missing = root_ / L"missing.wav";
  PlaySoundW(missing.c_str(), nullptr, SND_ASYNC | SND_LOOP);
  Sleep(1000);
  const bool defaultLooped = SoundPlays();
  PlaySoundW(nullptr, nullptr, 0);
  std::ofstream(root_ / L"empty.wav").close();
  std::ofstream(root_ / L"noise.wav") << "ID3\x04\x00 not a wave at all";
  for (const wchar_t* name : {L"missing.wav", L"empty.wav", L"noise.wav"}) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(name)));
    PollUntil(seconds(2), [] { return !SoundPlays(); });
    port_.PlayLoopingSound((root_ / name).wstring());
    Sleep(1000);
    EXPECT_FALSE(SoundPlays());
  }
  WriteProfileStringW(L"Sounds", L"Default", previous.empty() ? nullptr : previous.c_str());
  EXPECT_TRUE(defaultLooped) << "the default sound did not stand in: nothing was shown";
}
