#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "host_state.h"
#include "music/mci_port.h"

// Reply buffer sizes, in characters, handed to the system with each query.
inline constexpr std::size_t kCdModeBufferChars = 255;
inline constexpr std::size_t kMciReplyBufferChars = 512;
inline constexpr std::size_t kMciErrorBufferChars = 256;
inline constexpr std::size_t kMp3ModeBufferChars = 30;

// MciSend's code for an empty command, which is never sent.
inline constexpr std::int32_t kMciNoCommand = -1;

// Driftmantle_BGM: the background music of a saver run. Three sources, chosen by BgmKind: none,
// the audio CD in the default drive (repeated as a whole or one track, BgmRepeat) and a music file
// (BgmFile), played as a looping wave sound or through the MPEG player under the alias MP3Play.
// The saver form drives it with its timers; every failure is silent and at most leaves a text in
// MciReply.
class DriftmantleBgm {
 public:
  DriftmantleBgm(MciPort& port, BgmSettings settings)
      : port_(port), settings_(std::move(settings)) {}

  // Opens the CD player and sets its time format to tracks, minutes, seconds and frames; the MCI
  // code of the last command.
  std::int32_t CdOpen();
  // One check of the CD: plays the disc again when it has stopped, or keeps BgmRepeat's track
  // going. Returns CdPollOn, false once no disc can be read or anything went wrong.
  bool CdPoll();
  // Stops and closes the CD player; the MCI code of the last command.
  std::int32_t CdClose();
  // Sends "play <device>[ from <from>][ to <to>]", an empty position being left out; MciSend's
  // code.
  std::int32_t CdPlay(std::wstring_view device, std::wstring_view from, std::wstring_view to);

  // Opens BgmFile in the MPEG player as MP3Play; when the open succeeded, sets the level (0 to
  // 1000) before anything is heard and plays the file from the position (milliseconds, empty for
  // its start). Whether the file opened.
  bool Mp3Start(int volume = kFullVolume, std::wstring_view from = {});
  bool Mp3IsPlaying();
  // Plays MP3Play again from its start when it is not playing.
  void Mp3Repeat();
  // Where MP3Play is, in milliseconds as the player counts them; empty when it cannot say.
  std::wstring Mp3Position();
  // The level of MP3Play, 0 to 1000, in proportion to the file's own.
  void Mp3Volume(int volume);
  void Mp3Stop();

  // Loops BgmFile as a wave sound, when the system has a wave output device; true when the system
  // took the sound.
  bool WavStart();
  // True when the system stopped the sound.
  bool WavStop();

  // Sends a command; the reply text, or the error text for a failure, goes to reply. The MCI
  // error code, or kMciNoCommand for an empty command.
  std::int32_t MciSend(std::wstring_view command, std::wstring& reply);
  // The reply to a query, or "Error:" and the code when it failed.
  std::wstring MciStatus(std::wstring_view command);

  const BgmSettings& settings() const { return settings_; }
  bool CdPollOn() const { return CdPollOn_; }
  const std::wstring& MciReply() const { return MciReply_; }

  static constexpr int kFullVolume = 1000;

 private:
  std::int32_t SendForCode(std::wstring_view command);
  void SendIgnoringResult(std::wstring_view command);
  bool PollCd();

  MciPort& port_;
  const BgmSettings settings_;
  bool CdPollOn_ = false;
  std::wstring MciReply_;
};
