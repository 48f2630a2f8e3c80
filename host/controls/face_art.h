#pragma once

#include "controls/button_face.h"
#include "forms/pixel_art.h"

// The face image for a look, drawn for a button at dpi: 64 x 25 pixels at 96 dpi, the same
// picture the program carries; at any other dpi the same rings, each between its scaled edges,
// and the same colours, so that the ring the button shows stays sharp.
PixelArt FaceArt(FaceImage image, int dpi);
