#pragma once

#include "forms/pixel_art.h"

// A music source's mark for a dialog at dpi: 12 x 12 pixels at 96 dpi, an empty grey-framed
// square when not chosen, filled with blue when chosen (the pictures the program carries); at any
// other dpi the same frame, face and fill between their scaled edges.
PixelArt MarkArt(bool chosen, int dpi);
