#pragma once

// Resources of the host program; shared by host.rc and the code that loads them.
#define IDI_HOST 1
// The screen-saver description string; the system reads it by this number.
#define IDS_DESCRIPTION 1
#define IDR_PREVIEW_PICTURE 101
#define IDR_SNOW_PICTURE 102
// The push button's six face images.
#define IDR_BUTTON_NORMAL 201
#define IDR_BUTTON_HIGHLIGHT 202
#define IDR_BUTTON_PRESSED 203
#define IDR_BUTTON_SELECTED 204
#define IDR_BUTTON_HIGHLIGHT_SELECT 205
#define IDR_BUTTON_DISABLE 206
// The settings dialog's panel pattern, its two source marks and the link's pointer.
#define IDR_METAL_STRIP 301
#define IDR_MARK_OFF 302
#define IDR_MARK_ON 303
#define IDC_POINTING_HAND 304
