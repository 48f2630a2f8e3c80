#pragma once

#include "controls/button_face.h"
#include "forms/pixel_art.h"

// The face image for a look, drawn for a button at dpi: 64 x 25 pixels at 96 dpi, the same
// picture the program carries; at any other dpi the same rings and colours, each ring as thick
// as its 96-dpi width scaled and measured from the nearer edge, so that the ring the button
// shows stays sharp and its far sides mirror its near ones.
PixelArt FaceArt(FaceImage image, int dpi);
