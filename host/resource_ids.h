#pragma once

// Resources of the host program; shared by host.rc and the code that loads them.
#define IDI_HOST 1
#define IDR_PREVIEW_PICTURE 101
#define IDR_SNOW_PICTURE 102
// The settings dialog's panel pattern, its two source marks and the link's pointer.
#define IDR_METAL_STRIP 301
#define IDR_MARK_OFF 302
#define IDR_MARK_ON 303
#define IDC_POINTING_HAND 304
