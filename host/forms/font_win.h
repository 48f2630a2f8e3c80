#pragma once

#include <windows.h>

#include "forms/font_description.h"
#include "forms/gdi_objects_win.h"

// The system's description of a font at the given resolution: the size in points becomes a
// character height in pixels (negative, so the size excludes the internal leading).
LOGFONTW LogFontOf(const FontDescription& font, int dotsPerInch);

// The font at the screen's resolution; empty when the system refuses it.
OwnedFont CreateScreenFont(const FontDescription& font);
// The font at the given dots per inch, for a window on a monitor of that resolution.
OwnedFont CreateFontForDpi(const FontDescription& font, int dotsPerInch);
