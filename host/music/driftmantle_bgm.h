#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "music/mci_port.h"

// Driftmantle_BGM: the background music of a saver run. Three sources, chosen by BgmKind: none,
// the audio CD in the default drive (repeated as a whole or one track, BgmRepeat) and a music file
// (BgmFile), played as a looping wave sound or through the MPEG player under the alias MP3Play.
// The saver form drives it with its timers and hands it the settings it needs; every failure is
// silent and at most leaves a text in MciReply.

// Reply buffer sizes, in characters, handed to the system with each query.
inline constexpr std::size_t kCdModeBufferChars = 255;
inline constexpr std::size_t kMciReplyBufferChars = 512;
inline constexpr std::size_t kMciErrorBufferChars = 256;
inline constexpr std::size_t kMp3ModeBufferChars = 30;

// MciSend's code for an empty command, which is never sent.
inline constexpr std::int32_t kMciNoCommand = -1;

// True while CD polling is to go on; every CdPoll sets it, and a failed poll clears it.
extern bool CdPollOn;
// The last reply or error text of the MCI commands that CdPlay and MciStatus send.
extern std::wstring MciReply;

// Opens the CD player and sets its time format to tracks, minutes, seconds and frames; the code of
// the last command.
std::int32_t CdOpen(MciPort& port);
// One check of the CD: plays the disc again when it has stopped, or keeps track bgmRepeat
// going (0: the whole disc). Clears CdPollOn when no disc can be read or anything goes wrong.
void CdPoll(MciPort& port, std::int16_t bgmRepeat);
// Stops and closes the CD player; the code of the last command.
std::int32_t CdClose(MciPort& port);
// Sends "play <device>[ from <from>][ to <to>]", an empty position being left out; MciSend's
// code.
std::int32_t CdPlay(MciPort& port, std::wstring_view device, std::wstring_view from,
                    std::wstring_view to);

// Opens bgmFile in the MPEG player as MP3Play and plays it when the open succeeded.
void Mp3Start(MciPort& port, const std::wstring& bgmFile);
bool Mp3IsPlaying(MciPort& port);
// Plays MP3Play again from its start when it is not playing.
void Mp3Repeat(MciPort& port);
void Mp3Stop(MciPort& port);

// Loops bgmFile as a wave sound, when the system has a wave output device; true when the system
// took the sound.
bool WavStart(MciPort& port, const std::wstring& bgmFile);
// True when the system stopped the sound.
bool WavStop(MciPort& port);

// Sends a command; the reply text, or the error text for a failure, goes to reply. The MCI
// error code, or kMciNoCommand for an empty command.
std::int32_t MciSend(MciPort& port, std::wstring_view command, std::wstring& reply);
// The reply to a query, or "Error:" and the code when it failed.
std::wstring MciStatus(MciPort& port, std::wstring_view command);
