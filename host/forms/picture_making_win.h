#pragma once

#include "forms/picture_win.h"
#include "forms/pixel_art.h"

// Pictures made at run time for the resolution they are shown at. Each is empty when the system
// refuses a bitmap.

// The drawn picture as a bitmap.
Picture PictureOfArt(const PixelArt& art);

// The picture resized to size with the system's smoothing filter, for a texture that has no
// edges to keep sharp.
Picture SmoothlyScaled(const Picture& picture, SIZE size);
