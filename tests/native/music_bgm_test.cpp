// The music module's decisions over a recording port: every command string, in order, and what
// each operation returns or leaves in MciReply and CdPollOn.
#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <vector>

#include "music/driftmantle_bgm.h"

namespace {

using Calls = std::vector<std::wstring>;

// Logs each call as one line. Replies are scripted by command
// (others succeed with no text) and come back like a system buffer: text, NUL, stale characters.
class RecordingPort final : public MciPort {
 public:
  std::map<std::wstring, Reply, std::less<>> replies;
  std::map<std::int32_t, std::wstring> errorTexts;
  std::uint32_t waveDevices = 1;
  std::wstring throwingCommand;
  Calls calls;

  Reply Send(std::wstring_view command, std::size_t chars) override {
    Log(std::wstring(command));
    if (command == throwingCommand) throw std::runtime_error("port failed");
    const auto found = replies.find(command);
    const Reply reply = found == replies.end() ? Reply{0, L""} : found->second;
    return {reply.code, Buffer(reply.buffer, chars)};
  }
  std::optional<std::wstring> ErrorText(std::int32_t code, std::size_t chars) override {
    Log(L"error text " + std::to_wstring(code));
    const auto found = errorTexts.find(code);
    if (found == errorTexts.end()) return std::nullopt;
    return Buffer(found->second, chars);
  }
  std::uint32_t WaveOutputDevices() override { return Log(L"wave devices"), waveDevices; }
  std::int32_t PlayLoopingSound(const std::wstring& file) override {
    return Log(L"loop sound " + file), 1;
  }
  std::int32_t StopSound() override { return Log(L"stop sound"), 1; }

 private:
  void Log(const std::wstring& call) { calls.push_back(call); }
  static std::wstring Buffer(const std::wstring& text, std::size_t chars) {
    if (chars == 0) return L"";
    EXPECT_LT(text.size(), chars) << "a reply the buffer cannot hold";
    std::wstring buffer = text + L'\0';
    buffer.resize(chars, L'#');
    return buffer;
  }
};

const Calls kCdQueries = {L"status cdaudio current track", L"status cdaudio number of tracks",
                          L"status cdaudio mode"};

Calls CdQueriesThen(const Calls& more) {
  Calls calls = kCdQueries;
  calls.insert(calls.end(), more.begin(), more.end());
  return calls;
}

class Music : public testing::Test {
 protected:
  void SetUp() override {
    CdPollOn = false;
    MciReply.clear();
  }
  // The calls of one poll; CdPollOn as it left it.
  Calls Poll() {
    port_.calls.clear();
    CdPoll(port_, bgmRepeat_);
    return port_.calls;
  }

  RecordingPort port_;
  std::int16_t bgmRepeat_ = 0;
};

}  // namespace

TEST_F(Music, CdOpenAndCloseSendTheirCommandsAndGiveTheLastResult) {
  port_.replies[L"open cdaudio"] = {266, L""};
  EXPECT_EQ(CdOpen(port_), 0);
  port_.replies[L"close cdaudio"] = {263, L""};
  EXPECT_EQ(CdClose(port_), 263);
  EXPECT_EQ(port_.calls, (Calls{L"open cdaudio", L"set cdaudio time format tmsf", L"stop cdaudio",
                                L"close cdaudio"}));
}

TEST_F(Music, WholeDiscPlaysAgainWheneverAPollFindsItStopped) {
  port_.replies[L"status cdaudio current track"] = {0, L"abc"};  // never read as a number
  port_.replies[L"status cdaudio mode"] = {0, L"stopped"};
  EXPECT_EQ(Poll(), CdQueriesThen({L"play cdaudio"}));
  EXPECT_TRUE(CdPollOn);
  EXPECT_EQ(Poll(), CdQueriesThen({L"play cdaudio"}));
  port_.replies[L"status cdaudio mode"] = {0, L"playing"};
  EXPECT_EQ(Poll(), kCdQueries);
  EXPECT_TRUE(CdPollOn);
}

TEST_F(Music, RepeatedTrackStartsAgainWhenAnotherTrackPlaysOrTheDiscStops) {
  bgmRepeat_ = 3;
  port_.replies[L"status cdaudio current track"] = {0, L"4"};
  port_.replies[L"status cdaudio mode"] = {0, L"playing"};
  port_.replies[L"status cdaudio position track 3"] = {0, L"03:00:00:00"};
  const Calls jumpBack =
      CdQueriesThen({L"status cdaudio position track 3", L"play cdaudio from 03:00:00:00"});
  EXPECT_EQ(Poll(), jumpBack);
  EXPECT_TRUE(CdPollOn);
  port_.replies[L"status cdaudio current track"] = {0, L"03"};  // a number: track 3
  EXPECT_EQ(Poll(), kCdQueries);
  port_.replies[L"status cdaudio mode"] = {0, L"stopped"};
  EXPECT_EQ(Poll(), jumpBack);
  EXPECT_TRUE(CdPollOn);
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
    EXPECT_FALSE(CdPollOn);
    EXPECT_EQ(sent, Calls(kCdQueries.begin(), kCdQueries.begin() + c.queriesSent));
    EXPECT_EQ(MciReply, c.reply.code != 0 ? L"no disc" : c.reply.buffer);
  }
}

TEST_F(Music, PollingEndsOnATrackThatIsNoNumberAndOnAnyFailure) {
  bgmRepeat_ = 2;
  port_.replies[L"status cdaudio current track"] = {0, L"abc"};
  port_.replies[L"status cdaudio mode"] = {0, L"stopped"};
  EXPECT_EQ(Poll(), kCdQueries);
  EXPECT_FALSE(CdPollOn);

  port_.replies[L"status cdaudio current track"] = {0, L"1"};
  port_.replies[L"status cdaudio position track 2"] = {0, L"02:00:00:00"};
  port_.throwingCommand = L"play cdaudio from 02:00:00:00";
  Poll();
  EXPECT_FALSE(CdPollOn);
}

TEST_F(Music, MciSendAndStatusTurnCodesIntoTexts) {
  std::wstring reply;
  EXPECT_EQ(MciSend(port_, L"", reply), -1);
  EXPECT_EQ(reply, L"コマンド文字列が指定されていません");
  EXPECT_TRUE(port_.calls.empty());
  EXPECT_EQ(MciStatus(port_, L""), L"Error:-1");

  port_.replies[L"sysinfo all quantity"] = {0, L"7"};
  EXPECT_EQ(MciStatus(port_, L"sysinfo all quantity"), L"7");  // not the stale rest of the buffer

  port_.replies[L"status cdaudio mode"] = {263, L""};
  port_.errorTexts[263] = L"The specified device is not open.";
  EXPECT_EQ(MciStatus(port_, L"status cdaudio mode"), L"Error:263");
  EXPECT_EQ(MciReply, L"The specified device is not open.");

  port_.replies[L"play cdaudio from 1 to 2"] = {999, L""};
  EXPECT_EQ(CdPlay(port_, L"cdaudio", L"1", L"2"), 999);
  EXPECT_EQ(MciReply, L"Error (文字列が取れません)");
  EXPECT_EQ(port_.calls, (Calls{L"sysinfo all quantity", L"status cdaudio mode", L"error text 263",
                                L"play cdaudio from 1 to 2", L"error text 999"}));
}

TEST_F(Music, Mp3PlaysTheQuotedPathOnlyWhenItOpened) {
  const std::wstring file = L"C:\\My Music\\a b.mp3";
  const std::wstring open = L"open \"C:\\My Music\\a b.mp3\" type MPEGVideo Alias MP3Play";
  Mp3Start(port_, file);
  port_.replies[open] = {277, L""};
  Mp3Start(port_, file);
  Mp3Stop(port_);
  EXPECT_EQ(port_.calls, (Calls{open, L"play MP3Play", open, L"stop MP3Play", L"close MP3Play"}));
}

TEST_F(Music, Mp3RepeatRestartsFromTheStartUnlessPlaying) {
  const MciPort::Reply modes[] = {{0, L"playing"}, {0, L"stopped"}, {0, L"paused"}, {263, L""}};
  for (const MciPort::Reply& mode : modes) {
    SCOPED_TRACE(testing::PrintToString(mode.buffer));
    const bool playing = mode.buffer == L"playing";
    port_.replies[L"status MP3Play mode"] = mode;
    EXPECT_EQ(Mp3IsPlaying(port_), playing);
    port_.calls.clear();
    Mp3Repeat(port_);
    const Calls restart = {L"status MP3Play mode", L"stop MP3Play", L"play MP3Play from 0"};
    EXPECT_EQ(port_.calls, playing ? Calls{L"status MP3Play mode"} : restart);
  }
}

TEST_F(Music, WaveLoopsOnlyWithAWaveDevice) {
  const std::wstring file = L"C:\\Music\\snow.Wav";
  port_.waveDevices = 0;
  EXPECT_FALSE(WavStart(port_, file));
  port_.waveDevices = 2;
  EXPECT_TRUE(WavStart(port_, file));
  EXPECT_TRUE(WavStop(port_));
  EXPECT_EQ(port_.calls, (Calls{L"wave devices", L"wave devices", L"loop sound C:\\Music\\snow.Wav",
                                L"stop sound"}));
}
