#pragma once

#include "music/driftmantle_bgm.h"

// The music module over the system's multimedia services (Windows only), in the form the saver
// form calls it: no arguments.

MciPort& SystemMciPort();

inline void CdOpen() { CdOpen(SystemMciPort()); }
inline void CdPoll() { CdPoll(SystemMciPort()); }
inline void CdClose() { CdClose(SystemMciPort()); }
inline void Mp3Start() { Mp3Start(SystemMciPort()); }
inline void Mp3Repeat() { Mp3Repeat(SystemMciPort()); }
inline void Mp3Stop() { Mp3Stop(SystemMciPort()); }
inline void WavStart() { WavStart(SystemMciPort()); }
inline void WavStop() { WavStop(SystemMciPort()); }
