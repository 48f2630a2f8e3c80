#pragma once

// Viewport and a 45-degree perspective for a client area of the given size; a height of 0 counts
// as 1.
void ResizeScene(int width, int height);
