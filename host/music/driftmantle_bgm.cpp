#include "music/driftmantle_bgm.h"

#include <exception>
#include <optional>

#include "forms/number_text.h"
#include "forms/text_rules.h"

bool CdPollOn = false;
std::wstring MciReply;

namespace {

constexpr wchar_t kNoCommandText[] = L"コマンド文字列が指定されていません";
constexpr wchar_t kNoErrorText[] = L"Error (文字列が取れません)";
constexpr wchar_t kErrorPrefix[] = L"Error:";

constexpr wchar_t kCdDevice[] = L"cdaudio";
constexpr std::size_t kModeChars = 7;  // "stopped" and "playing" are told apart by 7 characters

// Text taken from a system buffer ends at its first NUL.
std::wstring TextOf(std::wstring_view buffer) {
  return std::wstring(buffer.substr(0, buffer.find(L'\0')));
}

std::wstring ModeOf(std::wstring_view buffer) { return FirstChars(TextOf(buffer), kModeChars); }

// An unusable query reply: an error text, or a reply the device flagged itself.
bool IsErrorReply(std::wstring_view reply) { return FindText(UpperCase(reply), L"ERR") != 0; }

std::int32_t SendForCode(MciPort& port, std::wstring_view command) {
  return port.Send(command, 0).code;
}

void SendIgnoringResult(MciPort& port, std::wstring_view command) { port.Send(command, 0); }

// One poll; false when polling should end.
bool PollCd(MciPort& port, std::int16_t bgmRepeat) {
  const std::wstring currentTrack = MciStatus(port, L"status cdaudio current track");
  if (IsErrorReply(currentTrack)) return false;
  if (IsErrorReply(MciStatus(port, L"status cdaudio number of tracks"))) return false;

  const MciPort::Reply mode = port.Send(L"status cdaudio mode", kCdModeBufferChars);
  const bool stopped = ModeOf(mode.buffer) == L"stopped";

  if (bgmRepeat == 0) {
    if (stopped) CdPlay(port, kCdDevice, L"", L"");
    return true;
  }
  // The track is compared as a number even when the disc has stopped, so a track text that is
  // no number ends polling either way.
  const std::optional<double> track = ParseNumber(currentTrack);
  if (!track) return false;
  if (stopped || *track != bgmRepeat) {
    const std::wstring start =
        MciStatus(port, L"status cdaudio position track " + std::to_wstring(bgmRepeat));
    CdPlay(port, kCdDevice, start, L"");
  }
  return true;
}

}  // namespace

std::int32_t MciSend(MciPort& port, std::wstring_view command, std::wstring& reply) {
  if (command.empty()) {
    reply = kNoCommandText;
    return kMciNoCommand;
  }
  const MciPort::Reply sent = port.Send(command, kMciReplyBufferChars);
  if (sent.code == 0) {
    reply = TextOf(sent.buffer);
    return 0;
  }
  const std::optional<std::wstring> text = port.ErrorText(sent.code, kMciErrorBufferChars);
  reply = text ? TextOf(*text) : kNoErrorText;
  return sent.code;
}

std::wstring MciStatus(MciPort& port, std::wstring_view command) {
  const std::int32_t code = MciSend(port, command, MciReply);
  if (code != 0) return kErrorPrefix + std::to_wstring(code);
  return MciReply;
}

std::int32_t CdPlay(MciPort& port, std::wstring_view device, std::wstring_view from,
                    std::wstring_view to) {
  std::wstring command = L"play ";
  command += device;
  if (!from.empty()) (command += L" from ") += from;
  if (!to.empty()) (command += L" to ") += to;
  return MciSend(port, command, MciReply);
}

std::int32_t CdOpen(MciPort& port) {
  SendForCode(port, L"open cdaudio");
  return SendForCode(port, L"set cdaudio time format tmsf");
}

void CdPoll(MciPort& port, std::int16_t bgmRepeat) {
  CdPollOn = true;
  try {
    CdPollOn = PollCd(port, bgmRepeat);
  } catch (const std::exception&) {
    // Whatever fails inside a poll ends polling; the saver run goes on without the CD.
    CdPollOn = false;
  }
}

std::int32_t CdClose(MciPort& port) {
  SendForCode(port, L"stop cdaudio");
  return SendForCode(port, L"close cdaudio");
}

void Mp3Start(MciPort& port, const std::wstring& bgmFile) {
  const std::wstring open = L"open \"" + bgmFile + L"\" type MPEGVideo Alias MP3Play";
  if (port.Send(open, 0).code == 0) SendIgnoringResult(port, L"play MP3Play");
}

bool Mp3IsPlaying(MciPort& port) {
  return ModeOf(port.Send(L"status MP3Play mode", kMp3ModeBufferChars).buffer) == L"playing";
}

void Mp3Repeat(MciPort& port) {
  if (Mp3IsPlaying(port)) return;
  SendIgnoringResult(port, L"stop MP3Play");
  SendIgnoringResult(port, L"play MP3Play from 0");
}

void Mp3Stop(MciPort& port) {
  SendIgnoringResult(port, L"stop MP3Play");
  SendIgnoringResult(port, L"close MP3Play");
}

bool WavStart(MciPort& port, const std::wstring& bgmFile) {
  return port.WaveOutputDevices() > 0 && port.PlayLoopingSound(bgmFile) != 0;
}

bool WavStop(MciPort& port) { return port.StopSound() != 0; }
