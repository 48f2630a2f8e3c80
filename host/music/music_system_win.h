#pragma once

#include "music/driftmantle_bgm.h"

// The music module over the system's multimedia services (Windows only), in the form the saver
// form calls it: with no more than the settings it needs.

MciPort& SystemMciPort();

inline void CdOpen() { CdOpen(SystemMciPort()); }
inline void CdPoll(std::int16_t bgmRepeat) { CdPoll(SystemMciPort(), bgmRepeat); }
inline void CdClose() { CdClose(SystemMciPort()); }
inline void Mp3Start(const std::wstring& bgmFile) { Mp3Start(SystemMciPort(), bgmFile); }
inline void Mp3Repeat() { Mp3Repeat(SystemMciPort()); }
inline void Mp3Stop() { Mp3Stop(SystemMciPort()); }
inline void WavStart(const std::wstring& bgmFile) { WavStart(SystemMciPort(), bgmFile); }
inline void WavStop() { WavStop(SystemMciPort()); }
