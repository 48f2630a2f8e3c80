#include "host_state.h"

std::int16_t BgmKind = kBgmNone;
std::int16_t BgmRepeat = 0;
std::wstring BgmFile;
std::wstring BgmFolder;
std::int16_t ResolutionSwitch = 1;
std::int32_t LastApiResult = 0;
std::int16_t ZoomX = 0;
std::int16_t ZoomY = 0;
std::int32_t SavedCursorCount = 0;
