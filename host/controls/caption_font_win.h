#pragma once

#include <windows.h>

#include "button_face.h"
#include "gdi_objects_win.h"

// The system's description of a caption font at the given resolution: the size in points becomes
// a character height in pixels (negative, so the size excludes the internal leading).
LOGFONTW CaptionLogFont(const ButtonFont& font, int dotsPerInch);

// The font at the screen's resolution; empty when the system refuses it.
OwnedFont CreateCaptionFont(const ButtonFont& font);
