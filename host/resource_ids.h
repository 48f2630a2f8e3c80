#pragma once

// Resources of the host program; shared by host.rc and the code that loads them.
#define IDI_HOST 1
#define IDR_PREVIEW_PICTURE 101
#define IDR_SNOW_PICTURE 102
