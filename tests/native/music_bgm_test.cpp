// The music module's decisions over a recording port: every command string with its reply buffer
// size, in order, and what each operation leaves in LastApiResult, MciReply and CdPollOn.
#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "driftmantle_bgm.h"
#include "host_state.h"

namespace {

using Calls = std::vector<std::wstring>;

constexpr std::int32_t kUntouched = -7;

// Records every call as one line: a command with its reply buffer size in brackets when it has
// one. Replies are scripted by command; an unscripted command succeeds with no text. A reply comes
// back like a system buffer: the text, a NUL, then stale characters up to the buffer's size.
class RecordingPort final : public MciPort {
 public:
  std::map<std::wstring, Reply> replies;
  std::map<std::int32_t, std::wstring> errorTexts;
  std::uint32_t waveDevices = 1;
  std::wstring failingCommand;  // Send throws for it, as a failing runtime would
  Calls calls;

  Reply Send(std::wstring_view command, std::size_t replyChars) override {
    calls.push_back(std::wstring(command) + Size(replyChars));
    if (command == failingCommand) throw std::runtime_error("port failed");
    const auto found = replies.find(std::wstring(command));
    if (found == replies.end()) return {0, Buffer(L"", replyChars)};
    return {found->second.code, Buffer(found->second.buffer, replyChars)};
  }
  std::optional<std::wstring> ErrorText(std::int32_t code, std::size_t bufferChars) override {
    calls.push_back(L"error text " + std::to_wstring(code) + Size(bufferChars));
    const auto found = errorTexts.find(code);
    if (found == errorTexts.end()) return std::nullopt;
    return Buffer(found->second, bufferChars);
  }
  std::uint32_t WaveOutputDevices() override {
    calls.push_back(L"wave devices");
    return waveDevices;
  }
  std::int32_t PlayLoopingSound(const std::wstring& file) override {
    calls.push_back(L"loop sound " + file);
    return 1;
  }
  std::int32_t StopSound() override {
    calls.push_back(L"stop sound");
    return 1;
  }

  void Script(const std::wstring& command, std::int32_t code, const std::wstring& text = L"") {
    replies[command] = {code, text};
  }

 private:
  static std::wstring Size(std::size_t chars) {
    return chars == 0 ? L"" : L" [" + std::to_wstring(chars) + L"]";
  }
  static std::wstring Buffer(const std::wstring& text, std::size_t chars) {
    if (chars == 0) return L"";
    EXPECT_LT(text.size(), chars) << "a reply the buffer cannot hold";
    std::wstring buffer = text + L'\0';
    buffer.resize(chars, L'#');
    return buffer;
  }
};

class Music : public testing::Test {
 protected:
  void SetUp() override {
    LastApiResult = kUntouched;
    CdPollOn = false;
    MciReply.clear();
    BgmRepeat = 0;
    BgmFile.clear();
  }

  // The three queries every poll that gets that far begins with.
  static Calls CdQueries() {
    return {L"status cdaudio current track [512]", L"status cdaudio number of tracks [512]",
            L"status cdaudio mode [255]"};
  }
  static Calls Then(Calls calls, const Calls& more) {
    calls.insert(calls.end(), more.begin(), more.end());
    return calls;
  }

  RecordingPort port_;
};

}  // namespace

TEST_F(Music, CdOpenAndCloseSendTheirCommandsAndKeepTheLastResult) {
  port_.Script(L"open cdaudio", 266);
  CdOpen(port_);
  EXPECT_EQ(port_.calls, (Calls{L"open cdaudio", L"set cdaudio time format tmsf"}));
  EXPECT_EQ(LastApiResult, 0);

  port_.calls.clear();
  port_.Script(L"close cdaudio", 263);
  CdClose(port_);
  EXPECT_EQ(port_.calls, (Calls{L"stop cdaudio", L"close cdaudio"}));
  EXPECT_EQ(LastApiResult, 263);
}

TEST_F(Music, WholeDiscPlaysAgainWhenEveryPollFindsItStopped) {
  port_.Script(L"status cdaudio current track", 0, L"5");
  port_.Script(L"status cdaudio number of tracks", 0, L"12");
  port_.Script(L"status cdaudio mode", 0, L"stopped");
  CdPoll(port_);
  EXPECT_TRUE(CdPollOn);
  EXPECT_EQ(port_.calls, Then(CdQueries(), {L"play cdaudio [512]"}));

  port_.calls.clear();
  CdPoll(port_);
  EXPECT_EQ(port_.calls, Then(CdQueries(), {L"play cdaudio [512]"}));

  port_.calls.clear();
  port_.Script(L"status cdaudio mode", 0, L"playing");
  CdPoll(port_);
  EXPECT_TRUE(CdPollOn);
  EXPECT_EQ(port_.calls, CdQueries());
}

TEST_F(Music, RepeatedTrackStartsAgainWhenAnotherTrackPlaysOrTheDiscStops) {
  BgmRepeat = 3;
  port_.Script(L"status cdaudio current track", 0, L"4");
  port_.Script(L"status cdaudio mode", 0, L"playing");
  port_.Script(L"status cdaudio position track 3", 0, L"03:00:00:00");
  const Calls jumpBack = {L"status cdaudio position track 3 [512]",
                          L"play cdaudio from 03:00:00:00 [512]"};
  CdPoll(port_);
  EXPECT_TRUE(CdPollOn);
  EXPECT_EQ(port_.calls, Then(CdQueries(), jumpBack));

  // The track is compared as a number, so "03" is track 3.
  port_.calls.clear();
  port_.Script(L"status cdaudio current track", 0, L"03");
  CdPoll(port_);
  EXPECT_TRUE(CdPollOn);
  EXPECT_EQ(port_.calls, CdQueries());

  port_.calls.clear();
  port_.Script(L"status cdaudio mode", 0, L"stopped");
  CdPoll(port_);
  EXPECT_EQ(port_.calls, Then(CdQueries(), jumpBack));
}

TEST_F(Music, AnUnreadableDiscEndsPollingAtTheFirstBadReply) {
  struct Case {
    const wchar_t* failing;
    std::int32_t code;
    const wchar_t* text;  // the reply when the code is 0
    std::size_t queriesSent;
  };
  const Case cases[] = {
      {L"status cdaudio current track", 266, L"", 1},
      {L"status cdaudio current track", 0, L"Terrible", 1},  // "ERR" in any case
      {L"status cdaudio number of tracks", 263, L"", 2},
      {L"status cdaudio number of tracks", 0, L"error", 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::wstring(c.failing) + L" " + c.text));
    RecordingPort port;
    port.Script(L"status cdaudio current track", 0, L"1");
    port.Script(L"status cdaudio mode", 0, L"stopped");
    port.Script(c.failing, c.code, c.text);
    port.errorTexts[c.code] = L"no disc";
    CdPollOn = false;
    CdPoll(port);
    EXPECT_FALSE(CdPollOn);
    Calls sent;
    for (const std::wstring& call : port.calls) {
      if (call.rfind(L"error text", 0) != 0) sent.push_back(call);
    }
    const Calls queries = CdQueries();
    EXPECT_EQ(sent, Calls(queries.begin(), queries.begin() + c.queriesSent));
    EXPECT_EQ(LastApiResult, c.code);
  }
}

TEST_F(Music, PollingEndsOnATrackThatIsNoNumberOrOnAnyFailure) {
  port_.Script(L"status cdaudio current track", 0, L"abc");
  port_.Script(L"status cdaudio mode", 0, L"stopped");
  CdPoll(port_);  // the whole disc never looks at the track
  EXPECT_TRUE(CdPollOn);
  EXPECT_EQ(port_.calls, Then(CdQueries(), {L"play cdaudio [512]"}));

  port_.calls.clear();
  BgmRepeat = 2;
  CdPoll(port_);
  EXPECT_FALSE(CdPollOn);
  EXPECT_EQ(port_.calls, CdQueries());

  port_.Script(L"status cdaudio current track", 0, L"1");
  port_.failingCommand = L"play cdaudio from 00:00:00:00";
  port_.Script(L"status cdaudio position track 2", 0, L"00:00:00:00");
  CdPoll(port_);
  EXPECT_FALSE(CdPollOn);
}

TEST_F(Music, CdPlayLeavesOutEmptyPositions) {
  struct Case {
    const wchar_t* from;
    const wchar_t* to;
    const wchar_t* command;
  };
  const Case cases[] = {
      {L"", L"", L"play cdaudio [512]"},
      {L"02:00:00:00", L"", L"play cdaudio from 02:00:00:00 [512]"},
      {L"", L"04", L"play cdaudio to 04 [512]"},
      {L"1", L"2", L"play cdaudio from 1 to 2 [512]"},
  };
  port_.Script(L"play cdaudio to 04", 274);
  port_.errorTexts[274] = L"unsupported";
  for (const Case& c : cases) {
    port_.calls.clear();
    const std::int32_t code = CdPlay(port_, L"cdaudio", c.from, c.to);
    EXPECT_EQ(port_.calls.at(0), c.command);
    EXPECT_EQ(code, std::wstring(c.to) == L"04" ? 274 : 0);
  }
  EXPECT_EQ(MciReply, L"");  // the last one succeeded and replied nothing
}

TEST_F(Music, MciSendTurnsCodesIntoReplyTexts) {
  std::wstring reply = L"before";
  EXPECT_EQ(MciSend(port_, L"", reply), -1);
  EXPECT_EQ(reply, L"コマンド文字列が指定されていません");
  EXPECT_TRUE(port_.calls.empty());
  EXPECT_EQ(LastApiResult, kUntouched);

  port_.Script(L"sysinfo all quantity", 0, L"7");
  EXPECT_EQ(MciSend(port_, L"sysinfo all quantity", reply), 0);
  EXPECT_EQ(reply, L"7");  // ends at the NUL: the stale rest of the buffer is not text
  EXPECT_EQ(LastApiResult, 0);

  port_.Script(L"status cdaudio mode", 263);
  port_.errorTexts[263] = L"The specified device is not open.";
  EXPECT_EQ(MciSend(port_, L"status cdaudio mode", reply), 263);
  EXPECT_EQ(reply, L"The specified device is not open.");
  EXPECT_EQ(LastApiResult, 263);

  port_.Script(L"open x", 999);
  EXPECT_EQ(MciSend(port_, L"open x", reply), 999);
  EXPECT_EQ(reply, L"Error (文字列が取れません)");
  EXPECT_EQ(port_.calls,
            (Calls{L"sysinfo all quantity [512]", L"status cdaudio mode [512]",
                   L"error text 263 [256]", L"open x [512]", L"error text 999 [256]"}));
}

TEST_F(Music, MciStatusGivesTheReplyOrErrorAndTheCode) {
  port_.Script(L"status cdaudio mode", 263);
  port_.errorTexts[263] = L"not open";
  EXPECT_EQ(MciStatus(port_, L"status cdaudio mode"), L"Error:263");
  EXPECT_EQ(MciReply, L"not open");
  EXPECT_EQ(LastApiResult, 263);

  EXPECT_EQ(MciStatus(port_, L""), L"Error:-1");
  EXPECT_EQ(LastApiResult, -1);

  port_.Script(L"status cdaudio number of tracks", 0, L"12");
  EXPECT_EQ(MciStatus(port_, L"status cdaudio number of tracks"), L"12");
  EXPECT_EQ(MciReply, L"12");
  EXPECT_EQ(LastApiResult, 0);
}

TEST_F(Music, Mp3OpensTheQuotedPathAndPlaysOnlyWhenOpened) {
  BgmFile = L"C:\\My Music\\a b.mp3";
  Mp3Start(port_);
  EXPECT_EQ(port_.calls, (Calls{L"open \"C:\\My Music\\a b.mp3\" type MPEGVideo Alias MP3Play",
                                L"play MP3Play"}));

  port_.calls.clear();
  port_.Script(L"open \"C:\\My Music\\a b.mp3\" type MPEGVideo Alias MP3Play", 277);
  Mp3Start(port_);
  EXPECT_EQ(port_.calls.size(), 1u);

  port_.calls.clear();
  Mp3Stop(port_);
  EXPECT_EQ(port_.calls, (Calls{L"stop MP3Play", L"close MP3Play"}));
  EXPECT_EQ(LastApiResult, kUntouched);
}

TEST_F(Music, Mp3RepeatRestartsFromTheStartUnlessPlaying) {
  const Calls query = {L"status MP3Play mode [30]"};
  const Calls restart = {L"status MP3Play mode [30]", L"stop MP3Play", L"play MP3Play from 0"};
  struct Case {
    std::int32_t code;
    const wchar_t* mode;
    bool playing;
  };
  const Case cases[] = {
      {0, L"playing", true},
      {0, L"stopped", false},
      {0, L"paused", false},
      {263, L"", false},  // never opened: the two commands fail without effect
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.mode));
    port_.calls.clear();
    port_.Script(L"status MP3Play mode", c.code, c.mode);
    EXPECT_EQ(Mp3IsPlaying(port_), c.playing);
    port_.calls.clear();
    Mp3Repeat(port_);
    EXPECT_EQ(port_.calls, c.playing ? query : restart);
  }
  EXPECT_EQ(LastApiResult, kUntouched);
}

TEST_F(Music, WaveLoopsOnlyWithAWaveDevice) {
  BgmFile = L"C:\\Music\\snow.Wav";
  port_.waveDevices = 0;
  WavStart(port_);
  EXPECT_EQ(port_.calls, (Calls{L"wave devices"}));
  EXPECT_EQ(LastApiResult, kUntouched);

  port_.calls.clear();
  port_.waveDevices = 2;
  WavStart(port_);
  EXPECT_EQ(port_.calls, (Calls{L"wave devices", L"loop sound C:\\Music\\snow.Wav"}));
  EXPECT_EQ(LastApiResult, 1);

  port_.calls.clear();
  LastApiResult = kUntouched;
  WavStop(port_);
  EXPECT_EQ(port_.calls, (Calls{L"stop sound"}));
  EXPECT_EQ(LastApiResult, 1);
}
