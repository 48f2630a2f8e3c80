#include "music/driftmantle_bgm.h"

#include <exception>
#include <optional>

#include "forms/number_text.h"
#include "forms/text_rules.h"

namespace {

constexpr wchar_t kNoCommandText[] = L"コマンド文字列が指定されていません";
constexpr wchar_t kNoErrorText[] = L"Error (文字列が取れません)";
constexpr wchar_t kErrorPrefix[] = L"Error:";

constexpr wchar_t kCdDevice[] = L"cdaudio";
constexpr std::size_t kModeChars = 7;  // "stopped" and "playing" are told apart by 7 characters
// A position in milliseconds has at most ten digits.
constexpr std::size_t kPositionBufferChars = 32;

// Text taken from a system buffer ends at its first NUL.
std::wstring TextOf(std::wstring_view buffer) {
  return std::wstring(buffer.substr(0, buffer.find(L'\0')));
}

std::wstring ModeOf(std::wstring_view buffer) { return FirstChars(TextOf(buffer), kModeChars); }

// An unusable query reply: an error text, or a reply the device flagged itself.
bool IsErrorReply(std::wstring_view reply) { return FindText(UpperCase(reply), L"ERR") != 0; }

}  // namespace

std::int32_t DriftmantleBgm::SendForCode(std::wstring_view command) {
  return port_.Send(command, 0).code;
}

void DriftmantleBgm::SendIgnoringResult(std::wstring_view command) { port_.Send(command, 0); }

// One poll; false when polling should end.
bool DriftmantleBgm::PollCd() {
  const std::wstring currentTrack = MciStatus(L"status cdaudio current track");
  if (IsErrorReply(currentTrack)) return false;
  if (IsErrorReply(MciStatus(L"status cdaudio number of tracks"))) return false;

  const MciPort::Reply mode = port_.Send(L"status cdaudio mode", kCdModeBufferChars);
  const bool stopped = ModeOf(mode.buffer) == L"stopped";

  const std::int16_t repeat = settings_.BgmRepeat;
  if (repeat == 0) {
    if (stopped) CdPlay(kCdDevice, L"", L"");
    return true;
  }
  // The track is compared as a number even when the disc has stopped, so a track text that is
  // no number ends polling either way.
  const std::optional<double> track = ParseNumber(currentTrack);
  if (!track) return false;
  if (stopped || *track != repeat) {
    const std::wstring start =
        MciStatus(L"status cdaudio position track " + std::to_wstring(repeat));
    CdPlay(kCdDevice, start, L"");
  }
  return true;
}

std::int32_t DriftmantleBgm::MciSend(std::wstring_view command, std::wstring& reply) {
  if (command.empty()) {
    reply = kNoCommandText;
    return kMciNoCommand;
  }
  const MciPort::Reply sent = port_.Send(command, kMciReplyBufferChars);
  if (sent.code == 0) {
    reply = TextOf(sent.buffer);
    return 0;
  }
  const std::optional<std::wstring> text = port_.ErrorText(sent.code, kMciErrorBufferChars);
  reply = text ? TextOf(*text) : kNoErrorText;
  return sent.code;
}

std::wstring DriftmantleBgm::MciStatus(std::wstring_view command) {
  const std::int32_t code = MciSend(command, MciReply_);
  if (code != 0) return kErrorPrefix + std::to_wstring(code);
  return MciReply_;
}

std::int32_t DriftmantleBgm::CdPlay(std::wstring_view device, std::wstring_view from,
                                    std::wstring_view to) {
  std::wstring command = L"play ";
  command += device;
  if (!from.empty()) (command += L" from ") += from;
  if (!to.empty()) (command += L" to ") += to;
  return MciSend(command, MciReply_);
}

std::int32_t DriftmantleBgm::CdOpen() {
  SendForCode(L"open cdaudio");
  return SendForCode(L"set cdaudio time format tmsf");
}

bool DriftmantleBgm::CdPoll() {
  CdPollOn_ = true;
  try {
    CdPollOn_ = PollCd();
  } catch (const std::exception&) {
    // Whatever fails inside a poll ends polling; the saver run goes on without the CD.
    CdPollOn_ = false;
  }
  return CdPollOn_;
}

std::int32_t DriftmantleBgm::CdClose() {
  SendForCode(L"stop cdaudio");
  return SendForCode(L"close cdaudio");
}

bool DriftmantleBgm::Mp3Start(int volume, std::wstring_view from) {
  const std::wstring open = L"open \"" + settings_.BgmFile + L"\" type MPEGVideo Alias MP3Play";
  if (port_.Send(open, 0).code != 0) return false;
  if (volume != kFullVolume) Mp3Volume(volume);
  SendIgnoringResult(from.empty() ? std::wstring(L"play MP3Play")
                                  : L"play MP3Play from " + std::wstring(from));
  return true;
}

bool DriftmantleBgm::Mp3IsPlaying() {
  return ModeOf(port_.Send(L"status MP3Play mode", kMp3ModeBufferChars).buffer) == L"playing";
}

void DriftmantleBgm::Mp3Repeat() {
  if (Mp3IsPlaying()) return;
  SendIgnoringResult(L"stop MP3Play");
  SendIgnoringResult(L"play MP3Play from 0");
}

std::wstring DriftmantleBgm::Mp3Position() {
  const MciPort::Reply reply = port_.Send(L"status MP3Play position", kPositionBufferChars);
  if (reply.code != 0) return {};
  const std::wstring position = TextOf(reply.buffer);
  return ParseNumber(position) ? position : std::wstring();
}

void DriftmantleBgm::Mp3Volume(int volume) {
  SendIgnoringResult(L"setaudio MP3Play volume to " + std::to_wstring(volume));
}

void DriftmantleBgm::Mp3Stop() {
  SendIgnoringResult(L"stop MP3Play");
  SendIgnoringResult(L"close MP3Play");
}

bool DriftmantleBgm::WavStart() {
  return port_.WaveOutputDevices() > 0 && port_.PlayLoopingSound(settings_.BgmFile) != 0;
}

bool DriftmantleBgm::WavStop() { return port_.StopSound() != 0; }
