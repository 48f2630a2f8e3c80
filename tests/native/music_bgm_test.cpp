// The music module's decisions over a recording port: every command string, in order, and what
// each operation returns or leaves in MciReply and CdPollOn.
#include <gtest/gtest.h>

#include <optional>

#include "host_state.h"
#include "music/driftmantle_bgm.h"
#include "recording_port.h"

namespace {

const Calls kCdQueries = {L"status cdaudio current track", L"status cdaudio number of tracks",
                          L"status cdaudio mode"};

Calls CdQueriesThen(const Calls& more) {
  Calls calls = kCdQueries;
  calls.insert(calls.end(), more.begin(), more.end());
  return calls;
}

class Music : public testing::Test {
 protected:
  // The calls of one poll; CdPollOn as it left it.
  Calls Poll() {
    port_.calls.clear();
    bgm_->CdPoll();
    return port_.calls;
  }
  // A music object whose settings repeat the CD's track, or name the file.
  void Use(BgmSettings settings) { bgm_.emplace(port_, std::move(settings)); }

  RecordingPort port_;
  std::optional<DriftmantleBgm> bgm_{std::in_place, port_, BgmSettings{}};
};

}  // namespace

TEST_F(Music, CdOpenAndCloseSendTheirCommandsAndGiveTheLastResult) {
  port_.replies[L"open cdaudio"] = {266, L""};
  EXPECT_EQ(bgm_->CdOpen(), 0);
  port_.replies[L"close cdaudio"] = {263, L""};
  EXPECT_EQ(bgm_->CdClose(), 263);
  EXPECT_EQ(port_.calls, (Calls{L"open cdaudio", L"set cdaudio time format tmsf", L"stop cdaudio",
                                L"close cdaudio"}));
}

TEST_F(Music, WholeDiscPlaysAgainWheneverAPollFindsItStopped) {
  port_.replies[L"status cdaudio current track"] = {0, L"abc"};  // never read as a number
  port_.replies[L"status cdaudio mode"] = {0, L"stopped"};
  EXPECT_EQ(Poll(), CdQueriesThen({L"play cdaudio"}));
  EXPECT_TRUE(bgm_->CdPollOn());
  EXPECT_EQ(Poll(), CdQueriesThen({L"play cdaudio"}));
  port_.replies[L"status cdaudio mode"] = {0, L"playing"};
  EXPECT_EQ(Poll(), kCdQueries);
  EXPECT_TRUE(bgm_->CdPollOn());
}

TEST_F(Music, RepeatedTrackStartsAgainWhenAnotherTrackPlaysOrTheDiscStops) {
  Use({kBgmAudioCd, 3, L""});
  port_.replies[L"status cdaudio current track"] = {0, L"4"};
  port_.replies[L"status cdaudio mode"] = {0, L"playing"};
  port_.replies[L"status cdaudio position track 3"] = {0, L"03:00:00:00"};
  const Calls jumpBack =
      CdQueriesThen({L"status cdaudio position track 3", L"play cdaudio from 03:00:00:00"});
  EXPECT_EQ(Poll(), jumpBack);
  EXPECT_TRUE(bgm_->CdPollOn());
  port_.replies[L"status cdaudio current track"] = {0, L"03"};  // a number: track 3
  EXPECT_EQ(Poll(), kCdQueries);
  port_.replies[L"status cdaudio mode"] = {0, L"stopped"};
  EXPECT_EQ(Poll(), jumpBack);
  EXPECT_TRUE(bgm_->CdPollOn());
}

TEST_F(Music, PollingEndsAtTheFirstUnreadableReply) {
  struct Case {
    const wchar_t* query;
    MciPort::Reply reply;
    std::size_t queriesSent;
  };
  const Case cases[] = {
      {L"status cdaudio current track", {266, L""}, 1},
      {L"status cdaudio current track", {0, L"Terrible"}, 1},  // "ERR" in any case
      {L"status cdaudio number of tracks", {263, L""}, 2},
      {L"status cdaudio number of tracks", {0, L"error"}, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(c.query) + L" " + c.reply.buffer));
    port_.replies = {{L"status cdaudio current track", {0, L"1"}},
                     {L"status cdaudio mode", {0, L"stopped"}}};
    port_.replies[c.query] = c.reply;
    port_.errorTexts[c.reply.code] = L"no disc";
    Calls sent;
    for (const std::wstring& call : Poll()) {
      if (call.rfind(L"error text", 0) != 0) sent.push_back(call);
    }
    EXPECT_FALSE(bgm_->CdPollOn());
    EXPECT_EQ(sent, Calls(kCdQueries.begin(), kCdQueries.begin() + c.queriesSent));
    EXPECT_EQ(bgm_->MciReply(), c.reply.code != 0 ? L"no disc" : c.reply.buffer);
  }
}

TEST_F(Music, PollingEndsOnATrackThatIsNoNumberAndOnAnyFailure) {
  Use({kBgmAudioCd, 2, L""});
  port_.replies[L"status cdaudio current track"] = {0, L"abc"};
  port_.replies[L"status cdaudio mode"] = {0, L"stopped"};
  EXPECT_EQ(Poll(), kCdQueries);
  EXPECT_FALSE(bgm_->CdPollOn());

  port_.replies[L"status cdaudio current track"] = {0, L"1"};
  port_.replies[L"status cdaudio position track 2"] = {0, L"02:00:00:00"};
  port_.throwingCommand = L"play cdaudio from 02:00:00:00";
  Poll();
  EXPECT_FALSE(bgm_->CdPollOn());
}

TEST_F(Music, MciSendAndStatusTurnCodesIntoTexts) {
  std::wstring reply;
  EXPECT_EQ(bgm_->MciSend(L"", reply), -1);
  EXPECT_EQ(reply, L"コマンド文字列が指定されていません");
  EXPECT_TRUE(port_.calls.empty());
  EXPECT_EQ(bgm_->MciStatus(L""), L"Error:-1");

  port_.replies[L"sysinfo all quantity"] = {0, L"7"};
  EXPECT_EQ(bgm_->MciStatus(L"sysinfo all quantity"), L"7");  // not the stale rest of the buffer

  port_.replies[L"status cdaudio mode"] = {263, L""};
  port_.errorTexts[263] = L"The specified device is not open.";
  EXPECT_EQ(bgm_->MciStatus(L"status cdaudio mode"), L"Error:263");
  EXPECT_EQ(bgm_->MciReply(), L"The specified device is not open.");

  port_.replies[L"play cdaudio from 1 to 2"] = {999, L""};
  EXPECT_EQ(bgm_->CdPlay(L"cdaudio", L"1", L"2"), 999);
  EXPECT_EQ(bgm_->MciReply(), L"Error (文字列が取れません)");
  EXPECT_EQ(port_.calls, (Calls{L"sysinfo all quantity", L"status cdaudio mode", L"error text 263",
                                L"play cdaudio from 1 to 2", L"error text 999"}));
}

TEST_F(Music, Mp3PlaysTheQuotedPathOnlyWhenItOpened) {
  Use({kBgmMusicFile, 0, L"C:\\My Music\\a b.mp3"});
  const std::wstring open = L"open \"C:\\My Music\\a b.mp3\" type MPEGVideo Alias MP3Play";
  bgm_->Mp3Start();
  port_.replies[open] = {277, L""};
  bgm_->Mp3Start();
  bgm_->Mp3Stop();
  EXPECT_EQ(port_.calls, (Calls{open, L"play MP3Play", open, L"stop MP3Play", L"close MP3Play"}));
}

TEST_F(Music, Mp3RepeatRestartsFromTheStartUnlessPlaying) {
  const MciPort::Reply modes[] = {{0, L"playing"}, {0, L"stopped"}, {0, L"paused"}, {263, L""}};
  for (const MciPort::Reply& mode : modes) {
    SCOPED_TRACE(testing::PrintToString(mode.buffer));
    const bool playing = mode.buffer == L"playing";
    port_.replies[L"status MP3Play mode"] = mode;
    EXPECT_EQ(bgm_->Mp3IsPlaying(), playing);
    port_.calls.clear();
    bgm_->Mp3Repeat();
    const Calls restart = {L"status MP3Play mode", L"stop MP3Play", L"play MP3Play from 0"};
    EXPECT_EQ(port_.calls, playing ? Calls{L"status MP3Play mode"} : restart);
  }
}

TEST_F(Music, WaveLoopsOnlyWithAWaveDevice) {
  Use({kBgmMusicFile, 0, L"C:\\Music\\snow.Wav"});
  port_.waveDevices = 0;
  EXPECT_FALSE(bgm_->WavStart());
  port_.waveDevices = 2;
  EXPECT_TRUE(bgm_->WavStart());
  EXPECT_TRUE(bgm_->WavStop());
  EXPECT_EQ(port_.calls, (Calls{L"wave devices", L"wave devices", L"loop sound C:\\Music\\snow.Wav",
                                L"stop sound"}));
}
