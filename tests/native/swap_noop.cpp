#include "render_frame.h"

// OSMesa renders straight into the canvas's memory: there is no buffer to present.
void SwapFrameBuffers() {}
